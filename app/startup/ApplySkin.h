#pragma once

namespace app {

class Form1;

// With a skin file beside the program, the window and its labels take the
// button-face colour and the skin component loads the skin and applies it.
// Without one nothing changes. A failure ends it and goes to the caller.
void ApplySkin(Form1 &form);

} // namespace app
