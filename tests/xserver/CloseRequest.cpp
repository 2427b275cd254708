#include "CloseRequest.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace xtest {

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template<class Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

struct Disconnect {
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool listsProtocol(xcb_connection_t *connection, WindowId window, xcb_atom_t protocols, xcb_atom_t wanted)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, protocols, XCB_ATOM_ATOM, 0, 64), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

} // namespace

bool sendCloseRequest(const XDesktop &desktop, WindowId window)
{
    const std::unique_ptr<xcb_connection_t, Disconnect> connection(
        xcb_connect(desktop.displayName().toLocal8Bit().constData(), nullptr));
    if (xcb_connection_has_error(connection.get()))
        return false;
    const xcb_atom_t protocols = internAtom(connection.get(), "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = internAtom(connection.get(), "WM_DELETE_WINDOW");
    if (!listsProtocol(connection.get(), window, protocols, deleteWindow))
        return false;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols;
    message.data.data32[0] = deleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    // Checked, so the server has handled the request before the connection closes: a
    // request still unread when its client hangs up may be dropped.
    const ReplyPtr<xcb_generic_error_t> error(xcb_request_check(
        connection.get(), xcb_send_event_checked(connection.get(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                 reinterpret_cast<const char *>(&message))));
    return !error;
}

} // namespace xtest
