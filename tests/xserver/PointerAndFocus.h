// What no tool of the desktop's tells or does: which pointer image the X server
// shows now (XFixes), and the keyboard's focus taken from every window, as another
// program taking it does when no window manager runs.
#pragma once

#include "XDesktop.h"

#include <QPoint>

#include <optional>

namespace xtest {

// The hot spot of the pointer image shown now; none on no connection.
std::optional<QPoint> pointerHotSpot(const XDesktop &desktop);
// True once the server has taken the focus from every window.
bool takeFocusFromEveryWindow(const XDesktop &desktop);
// True once the server has given the focus to `window`, as a window manager would.
bool giveFocusTo(const XDesktop &desktop, WindowId window);

} // namespace xtest
