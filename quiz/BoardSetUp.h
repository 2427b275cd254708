#pragma once

#include "quiz/Quiz.h"
#include "shell/ErrorTrap.h"

namespace quiz {

// The last block of start-up: fills the name list from the country list file,
// turns every hotspot into a live drop target and starts a new game. Runs under
// the start-up handler's trap, report lines 130 to 178.
void setUpBoard(Quiz &quiz, shell::ErrorTrap &trap);

} // namespace quiz
