// Reading a message box on the screen. A box's text cannot be read back from the X
// server (Qt's boxes offer no copy of their text on Linux, and a screen reader
// would need a whole accessibility bus), so the test has the program's own box
// code draw the box it expects on the same server, and compares the pictures.
#pragma once

#include "XDesktop.h"

#include "shell/MessageBox.h"

namespace xtest {

// The box `request` asks for, as it looks once open and holding the keyboard focus.
QImage expectedBoxPicture(const XDesktop &desktop, const shell::BoxRequest &request);
// Waits until the window shows `expected`; on a mismatch it leaves both pictures
// in the temporary folder and says where.
bool waitUntilShows(const XDesktop &desktop, WindowId window, const QImage &expected);

} // namespace xtest
