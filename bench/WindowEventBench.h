// The window at play, offscreen: a pointer move while dragging, and a drop judged
// and repainted, each with what it repaints.
#pragma once

namespace bench {

void benchWindowEvents();

} // namespace bench
