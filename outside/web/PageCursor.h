// The program's own pointers in a web page. Qt 6.4 for WebAssembly shows only the
// browser's named pointers and puts the arrow in place of a picture (the hand from
// HAND-M.CUR over the buttons, the push-pin while a name is dragged). Once each
// input event has been handled, the pointer Qt would show is looked up, and a
// picture goes to the page as a CSS cursor, with its hot spot.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QCursor;

namespace outside {

class PageCursor : public QObject
{
public:
    // Watches the application's input from now on.
    PageCursor();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPicture();
    QByteArray cssOf(const QCursor &cursor);

    QPointer<QWidget> m_under;
    bool m_queued = false;
    QHash<qint64, QByteArray> m_css;
};

} // namespace outside
