// What the game's handlers work on: the board, and the outside world they reach.
#pragma once

#include "quiz/Board.h"
#include "shell/Collation.h"
#include "shell/MessageBox.h"
#include "shell/ProgramFolder.h"
#include "shell/SoundPlayer.h"

namespace quiz {

struct Quiz {
    Board &board;
    shell::MessageBox &boxes;
    shell::SoundPlayer &wmp1;
    shell::ProgramFolder folder;
    // The language's alphabetical order, in which a translated list is shown.
    const shell::Collation &collation;
};

} // namespace quiz
