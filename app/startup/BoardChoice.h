// The board played, chosen once at start-up: the board of the country tables, as
// designed, or the board of Africa today.
#pragma once

#include "quiz/BoardDefinition.h"

#include <QStringList>

#include <memory>

namespace app {

// `--board today` on the command line, else QUILLMERE_BOARD=today (which the web page
// sets from its `?board=today`), chooses the board of Africa today; anything else, or
// nothing, the board of the country tables.
std::shared_ptr<const quiz::BoardDefinition> chooseBoard(const QStringList &arguments);

// The board of Africa today, with the country index built into the program.
std::shared_ptr<const quiz::BoardDefinition> loadTodayBoard();

} // namespace app
