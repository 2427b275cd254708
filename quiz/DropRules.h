// What happens when a dragged name reaches the list or a hotspot.
#pragma once

#include "quiz/Quiz.h"

#include <QList>
#include <QString>

namespace quiz {

// A drag moves over a list entry: the dragged name shows the push-pin from now on.
void labels_DragOver(Board &board, int source);

// A name is dropped on a list entry, itself included: it stays in the list.
void labels_DragDrop(Board &board, int source);

// A name is dropped on drop target `index`: judged right or wrong, under the
// handler's own error trap.
void piccoor_DragDrop(Quiz &quiz, int index, int source);

// Names placed in a game before its page was reloaded, placed again as their right
// drops placed them: nothing judged, nothing heard. Only names still in the list,
// each once, and never so many that the map would be complete without its box.
void placeAgain(Quiz &quiz, const QList<int> &entries);

// The box that tells the map is complete, in the board's language, its button too.
shell::BoxRequest completedMapBox();

// Spaces only: tabs and other white space count as part of the text.
QString trimSpaces(const QString &text);

} // namespace quiz
