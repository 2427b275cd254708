// Moving through the names still in the list, as the keyboard does: in the order
// the list shows them, across the two columns, to either end, and by first letter.
// Where there is no such name, each gives back the entry it started from.
#pragma once

#include "quiz/Board.h"

#include <QChar>

namespace quiz {

// The name still in the list `step` (+1 or -1) from `from` in list order.
int neighbourInList(const Board &board, int from, int step);
// The name still in the list nearest to `from`'s row in the column on the left or
// right of the screen: the second column is on the left where the panel reads from
// right to left.
int besideInList(const Board &board, int from, bool toTheRight);
// The first or last name still in the list.
int endOfList(const Board &board, int from, bool last);
// The next name after `from` that starts with `letter`, whatever its case and
// accents (as initialKey finds it), going round to the top: pressing the letter
// again goes on to the next such name.
int nextWithLetter(const Board &board, int from, QChar letter);
int namesInList(const Board &board);
// `from` itself while it is in the list, else the next name still in it after
// `from`'s place, going round to the top; -1 when no name is in the list. A `from`
// of -1 starts at the top.
int inListFrom(const Board &board, int from);

} // namespace quiz
