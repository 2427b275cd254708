#include "PointerAndFocus.h"

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <memory>

namespace xtest {

namespace {

struct Disconnect {
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

Connection connectTo(const XDesktop &desktop)
{
    Connection connection(xcb_connect(desktop.displayName().toLocal8Bit().constData(), nullptr));
    if (xcb_connection_has_error(connection.get()))
        return {};
    return connection;
}

} // namespace

std::optional<QPoint> pointerHotSpot(const XDesktop &desktop)
{
    const Connection connection = connectTo(desktop);
    if (!connection)
        return std::nullopt;
    // The extension answers only a client that said which version it speaks.
    std::free(xcb_xfixes_query_version_reply(connection.get(), xcb_xfixes_query_version(connection.get(), 4, 0), nullptr));
    xcb_xfixes_get_cursor_image_reply_t *image = xcb_xfixes_get_cursor_image_reply(
        connection.get(), xcb_xfixes_get_cursor_image(connection.get()), nullptr);
    if (!image)
        return std::nullopt;
    const QPoint hotSpot(image->xhot, image->yhot);
    std::free(image);
    return hotSpot;
}

namespace {

bool setFocus(const XDesktop &desktop, xcb_window_t window)
{
    const Connection connection = connectTo(desktop);
    if (!connection)
        return false;
    xcb_generic_error_t *error = xcb_request_check(
        connection.get(), xcb_set_input_focus_checked(connection.get(), XCB_INPUT_FOCUS_NONE, window, XCB_CURRENT_TIME));
    std::free(error);
    return !error;
}

} // namespace

bool takeFocusFromEveryWindow(const XDesktop &desktop)
{
    return setFocus(desktop, XCB_NONE);
}

bool giveFocusTo(const XDesktop &desktop, WindowId window)
{
    return setFocus(desktop, xcb_window_t(window));
}

} // namespace xtest
