#include "XTestPointer.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <ctime>

namespace bench {

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

XTestPointer::XTestPointer(const QString &display)
{
    m_connection = xcb_connect(qPrintable(display), nullptr);
    if (xcb_connection_has_error(m_connection))
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    if (screen)
        m_screenRoot = screen->root;
}

XTestPointer::~XTestPointer()
{
    xcb_disconnect(m_connection);
}

void XTestPointer::fake(int type, int detail, QPoint at)
{
    xcb_test_fake_input(m_connection, uint8_t(type), uint8_t(detail), XCB_CURRENT_TIME, m_screenRoot,
                        int16_t(at.x()), int16_t(at.y()), 0);
    // A round trip: once it is back, the server has made the event.
    free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

void XTestPointer::moveTo(QPoint at)
{
    fake(XCB_MOTION_NOTIFY, 0, at);
}

void XTestPointer::press()
{
    fake(XCB_BUTTON_PRESS, 1);
}

qint64 XTestPointer::release()
{
    const qint64 sent = monotonicNanoseconds();
    fake(XCB_BUTTON_RELEASE, 1);
    return (sent + monotonicNanoseconds()) / 2;
}

} // namespace bench
