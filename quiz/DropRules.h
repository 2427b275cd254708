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

// What a drop did with the dragged name: the judge's outcome, or why nothing judged it.
enum class DropOutcome {
    Ignored,    // off the window, or where nothing takes a drop: the name stays
    BackInList, // on the list: the name stays
    Wrong,      // judged on a hotspot of another country: the name stays
    Placed,     // judged right: the name is on the map
    Completed,  // judged right, and the map is complete: completeMap() follows
};

// A name is dropped on drop target `index`: judged right or wrong, and placed when
// right, under the handler's own error trap.
DropOutcome piccoor_DragDrop(Quiz &quiz, int index, int source);

// The rest of the drop that completed the map, once its result is told: the closing
// sound, the box, and when it is closed a new game. Under the drop handler's trap.
void completeMap(Quiz &quiz);

// Names placed in a game before its page was reloaded, placed again as their right
// drops placed them: nothing judged, nothing heard. Only names still in the list,
// each once, and never so many that the map would be complete without its box.
void placeAgain(Quiz &quiz, const QList<int> &entries);

// The box that tells the map is complete, in the board's language, its button too.
shell::BoxRequest completedMapBox();

// Spaces only: tabs and other white space count as part of the text.
QString trimSpaces(const QString &text);

} // namespace quiz
