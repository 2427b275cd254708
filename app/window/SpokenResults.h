// What a screen reader says of the game's results, for keyboard and mouse play alike.
#pragma once

#include "quiz/DragSession.h"

#include <QString>

namespace app::spoken {

QString placed(const QString &name, int placedCount);
QString notThere(const QString &name);
QString putBack(const QString &name);
QString newGame(int namesInList);
// Where the drop point lies on the map, said as it moves: screen readers do not
// speak a changed description.
QString dropPointPosition(quiz::TwipPoint p);

// What is said once the drop of list entry `source` was judged: nothing for a mouse
// drop that nothing took, as nothing changed.
QString afterDrop(quiz::DropOutcome outcome, int source, bool byKeyboard, const quiz::Board &board);

} // namespace app::spoken
