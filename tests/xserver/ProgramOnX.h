// What each real-X test starts from: an X server of its own and a copy of the
// program ready to start on it. Members end in reverse order: the program first,
// the server last.
#pragma once

#include "ProgramUnderTest.h"
#include "XDesktop.h"
#include "XvfbDisplay.h"

namespace xtest {

struct ProgramOnX {
    XvfbDisplay display;
    XDesktop desktop{display};
    ProgramUnderTest program;
};

} // namespace xtest
