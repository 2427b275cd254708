#include "outside/linux/XKeyRepeats.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include <xcb/xcb.h>

namespace outside {

namespace {

// Presses Qt never hands on (an input method may keep some) must not pile up.
constexpr qsizetype kMostPending = 8;

} // namespace

XKeyRepeats::XKeyRepeats()
{
    QCoreApplication::instance()->installNativeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
}

XKeyRepeats::~XKeyRepeats()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool XKeyRepeats::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const int type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // A release and a press share their layout.
    const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (type == XCB_KEY_RELEASE) {
        m_releasedAt.insert(key->detail, key->time);
        return false;
    }
    const auto released = m_releasedAt.constFind(key->detail);
    QQueue<bool> &pending = m_pressRepeats[key->detail];
    if (pending.size() == kMostPending)
        pending.dequeue();
    pending.enqueue(released != m_releasedAt.cend() && *released == key->time);
    return false;
}

bool XKeyRepeats::eventFilter(QObject *watched, QEvent *event)
{
    // Key events reach a window first, as Qt made them from the server's.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return false;
    const auto &press = static_cast<const QKeyEvent &>(*event);
    const auto pending = m_pressRepeats.find(press.nativeScanCode());
    if (pending == m_pressRepeats.end() || pending->isEmpty())
        return false;
    const bool repeat = pending->dequeue();
    if (!repeat || press.isAutoRepeat())
        return false;
    QKeyEvent repeated(QEvent::KeyPress, press.key(), press.modifiers(), press.nativeScanCode(),
                       press.nativeVirtualKey(), press.nativeModifiers(), press.text(), true, press.count());
    repeated.setTimestamp(press.timestamp());
    QCoreApplication::sendEvent(watched, &repeated);
    return true;
}

} // namespace outside
