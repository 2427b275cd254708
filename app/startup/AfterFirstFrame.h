// Work that must not delay the window's first frame, run as soon as that frame has
// been painted and handed to the window system.
#pragma once

#include <functional>

class QWidget;

namespace app {

// Calls `then` once, after the first paint of `window`. Of several, the one asked
// for last runs first.
void afterFirstFrame(QWidget &window, std::function<void()> then);

} // namespace app
