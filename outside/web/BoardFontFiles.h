// A web page has no fonts of the system's: the faces that stand in for Arial and
// Arial Narrow (Liberation Sans and Liberation Sans Narrow, which measure as they
// do) are built into the program and registered at start-up.
#pragma once

namespace outside {

void registerBoardFonts();

} // namespace outside
