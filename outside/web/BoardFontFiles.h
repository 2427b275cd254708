// A web page has no fonts of the system's: the faces that stand in for Arial and
// Arial Narrow (Liberation Sans and Liberation Sans Narrow, which measure as they
// do) lie in the program folder's `fonts`, where the page puts them, and are
// registered at start-up. Where they are missing, Qt's own face draws the board.
#pragma once

namespace outside {

void registerBoardFonts();

} // namespace outside
