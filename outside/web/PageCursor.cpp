#include "outside/web/PageCursor.h"

#include <QBuffer>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, quillmere_page_cursor, (const char *css), {
    Module.quillmerePage.setCursor(UTF8ToString(css));
});
// clang-format on

bool movesThePointer(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::CursorChange:
        return true;
    default:
        return false;
    }
}

} // namespace

namespace outside {

PageCursor::PageCursor()
{
    qApp->installEventFilter(this);
}

bool PageCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (movesThePointer(event->type()) && watched->isWidgetType()) {
        m_under = static_cast<QWidget *>(watched);
        // Qt sets the page's pointer while it handles the event: ours comes after.
        if (!m_queued) {
            m_queued = true;
            QMetaObject::invokeMethod(this, &PageCursor::showPicture, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void PageCursor::showPicture()
{
    m_queued = false;
    const QCursor *shown = QGuiApplication::overrideCursor();
    const QCursor own = m_under ? m_under->cursor() : QCursor();
    if (!shown)
        shown = &own;
    if (shown->shape() == Qt::BitmapCursor)
        quillmere_page_cursor(cssOf(*shown).constData());
}

QByteArray PageCursor::cssOf(const QCursor &cursor)
{
    const QPixmap picture = cursor.pixmap();
    auto known = m_css.constFind(picture.cacheKey());
    if (known != m_css.constEnd())
        return *known;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    const QByteArray css = "url(data:image/png;base64," + png.toBase64() + ") "
        + QByteArray::number(cursor.hotSpot().x()) + ' ' + QByteArray::number(cursor.hotSpot().y()) + ", default";
    m_css.insert(picture.cacheKey(), css);
    return css;
}

} // namespace outside
