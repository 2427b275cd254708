// Start-up timing. With QUILLMERE_FIRST_FRAME set, the program prints the moment its
// window's first frame has been painted and handed to the window system (CLOCK_MONOTONIC),
// with its peak resident memory so far, then ends at once. The benchmark starts programs
// this way; without the variable nothing changes. Asked for last, it reports before
// any other work that waits for the first frame.
#pragma once

class QWidget;

namespace app {

void quitAfterFirstFrame(QWidget &window);

} // namespace app
