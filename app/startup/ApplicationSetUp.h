#pragma once

namespace app {

// Program-wide settings, made once the application object exists, and the board
// offered to assistive technology. Anything else that draws the program's boxes
// (the tests on an X server) makes the same ones.
void setUpApplication();

} // namespace app
