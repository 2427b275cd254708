// What the game's handlers work on: the board, and the outside world they reach.
#pragma once

#include "quiz/Board.h"
#include "shell/MessageBox.h"
#include "shell/ProgramFolder.h"
#include "shell/SoundPlayer.h"

namespace quiz {

struct Quiz {
    Board &board;
    shell::MessageBox &boxes;
    shell::SoundPlayer &wmp1;
    shell::ProgramFolder folder;
};

} // namespace quiz
