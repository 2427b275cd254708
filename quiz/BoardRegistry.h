// Every board the game is played on, each registered here once: the name a teacher
// chooses it by (`--board <name>`, QUILLMERE_BOARD=<name>, a web page's
// `?board=<name>`, the launchers in assets/boards/<name>/launcher.desktop), the
// picture of the country index that judges it, and how its definition is made. Its
// names lie in its definition's names folder. The first is the board the game starts
// with when none is chosen.
#pragma once

#include "quiz/BoardDefinition.h"

#include <QStringView>

#include <memory>
#include <optional>
#include <span>

namespace quiz {

struct RegisteredBoard {
    QStringView name;
    // A resource with one grey level a pixel, the country's row + 1 (CountryIndex);
    // empty for a board judged by its hotspots alone.
    QStringView indexPicture;
    // Given the index read from that picture, or none for a board without one.
    // Throws a Failure when the board's own tables are damaged.
    std::shared_ptr<const BoardDefinition> (*make)(std::optional<CountryIndex> index);
};

std::span<const RegisteredBoard> registeredBoards();
// Whatever its letter case; none for a name no board is registered by.
const RegisteredBoard *registeredBoard(QStringView name);

} // namespace quiz
