#pragma once

#include "quiz/Board.h"
#include "shell/MessageBox.h"

namespace quiz {

// Every name back in the list, every slot and leader line hidden, the count at 0.
// Runs under its own error trap, so no failure reaches the caller.
void cmdNewGame_Click(Board &board, shell::MessageBox &boxes);

} // namespace quiz
