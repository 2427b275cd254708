// A picture stretched into its rectangle on the board. It is decoded and scaled once
// for the screen's device pixel ratio, from the sharper 2x file where the ratio is
// above 1, and only the scaled result is kept. The first scaling can run on a
// worker thread while the window starts up; the first draw waits for it.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <future>

class QPainter;

namespace app {

class ScaledPicture
{
public:
    // `file2x` may be empty where there is no sharper picture.
    ScaledPicture(QString file, QString file2x, QRectF target);

    // The decoding and scaling for `devicePixelRatio`, for a worker thread to run.
    std::packaged_task<QImage()> preparation(qreal devicePixelRatio);
    void draw(QPainter &painter, qreal devicePixelRatio);

    QRectF target() const { return m_target; }

private:
    QString m_file;
    QString m_file2x;
    QRectF m_target;
    std::future<QImage> m_pending;
    qreal m_pendingRatio = 0;
    QImage m_scaled;
    qreal m_scaledRatio = 0;
};

} // namespace app
