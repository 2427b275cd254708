#include "app/window/ScaledPicture.h"

#include <QPainter>

namespace app {

namespace {

// Reads only its arguments, so it can run on any thread.
QImage decodeAndScale(const QString &file, const QString &file2x, QSizeF targetSize, qreal devicePixelRatio)
{
    QImage source;
    if (devicePixelRatio > 1 && !file2x.isEmpty())
        source.load(file2x);
    if (source.isNull())
        source.load(file);
    QImage scaled = source.scaled((targetSize * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

} // namespace

ScaledPicture::ScaledPicture(QString file, QString file2x, QRectF target)
    : m_file(std::move(file)), m_file2x(std::move(file2x)), m_target(target)
{
}

std::packaged_task<QImage()> ScaledPicture::preparation(qreal devicePixelRatio)
{
    std::packaged_task<QImage()> task(
        [file = m_file, file2x = m_file2x, size = m_target.size(), devicePixelRatio] {
            return decodeAndScale(file, file2x, size, devicePixelRatio);
        });
    m_pending = task.get_future();
    m_pendingRatio = devicePixelRatio;
    return task;
}

void ScaledPicture::draw(QPainter &painter, qreal devicePixelRatio)
{
    if (m_scaledRatio != devicePixelRatio) {
        const bool prepared = m_pending.valid() && m_pendingRatio == devicePixelRatio;
        m_scaled = prepared ? m_pending.get() : decodeAndScale(m_file, m_file2x, m_target.size(), devicePixelRatio);
        m_scaledRatio = devicePixelRatio;
    }
    painter.drawImage(m_target.topLeft(), m_scaled);
}

} // namespace app
