// The close request a window manager sends when the player clicks a window's close
// box: a WM_DELETE_WINDOW client message. No window manager runs on the test's X
// server, so the test sends it itself; xdotool's windowclose would destroy the
// window instead, which a program never takes for a request to close.
#pragma once

#include "XDesktop.h"

namespace xtest {

// Sends the request as a window manager does: only to a window that lists
// WM_DELETE_WINDOW among its WM_PROTOCOLS. False when it does not, or on no connection.
bool sendCloseRequest(const XDesktop &desktop, WindowId window);

} // namespace xtest
