// What must hold of a set-up board between any two events, whatever the player
// did: each name is either in the list or in its slot, the count matches the
// names placed, a leader line shows exactly when its country's name is placed,
// and the drop targets lie where set-up laid them.
#pragma once

#include "quiz/Board.h"

#include <QStringList>

namespace testing {

// Every rule the board breaks, in words; empty when the board is consistent.
QStringList boardInconsistencies(const quiz::Board &board);

} // namespace testing
