// The end of the game in a web page. A page is not quit as a program is: in Qt 6.4
// for WebAssembly, quitting once the event loop has handed control to the browser
// crashes (it exits a loop whose stack frame is gone). So the closed window gives
// way to the page's end screen, which offers to play again, and Qt keeps running.
#pragma once

namespace outside {

// From now on, closing the last window shows the page's end screen.
void showTheEndScreenWhenClosed();

} // namespace outside
