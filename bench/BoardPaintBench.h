// A full paint of the board, as a new game shows it and as a completed map shows it.
#pragma once

namespace bench {

void benchBoardPaint();

} // namespace bench
