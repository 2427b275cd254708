// What the game's handlers work on: the board, and the outside world they reach.
#pragma once

#include "app/MessageBox.h"
#include "app/ProgramFolder.h"
#include "quiz/Board.h"
#include "quiz/SoundPlayer.h"

namespace quiz {

struct Quiz {
    Board &board;
    app::MessageBox &boxes;
    SoundPlayer &wmp1;
    app::ProgramFolder folder;
};

} // namespace quiz
