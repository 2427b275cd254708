// The board played, chosen once at start-up by the name it is registered by
// (quiz/BoardRegistry).
#pragma once

#include "quiz/BoardDefinition.h"

#include <QStringList>
#include <QStringView>

#include <memory>

namespace app {

// `--board <name>` on the command line, else QUILLMERE_BOARD=<name> (which the web
// page sets from its `?board=<name>`); the first registered board when the name is
// none of theirs, when none is given, or when the board chosen cannot be made.
std::shared_ptr<const quiz::BoardDefinition> chooseBoard(const QStringList &arguments);

// The board registered by `name`, with its country index read from the picture built
// into the program. Throws a Failure for a name no board is registered by, or a board
// that cannot be made.
std::shared_ptr<const quiz::BoardDefinition> loadBoard(QStringView name);

} // namespace app
