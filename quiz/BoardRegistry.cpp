#include "quiz/BoardRegistry.h"

#include "quiz/TodayBoard.h"

#include <array>

namespace quiz {

namespace {

std::shared_ptr<const BoardDefinition> tablesBoard(std::optional<CountryIndex>)
{
    return BoardDefinition::tables();
}

const std::array kBoards{
    RegisteredBoard{u"48", {}, tablesBoard},
    RegisteredBoard{u"today", u":/boards/today/country-index.png", todayBoard},
};

} // namespace

std::span<const RegisteredBoard> registeredBoards()
{
    return kBoards;
}

const RegisteredBoard *registeredBoard(QStringView name)
{
    for (const RegisteredBoard &board : kBoards) {
        if (board.name.compare(name, Qt::CaseInsensitive) == 0)
            return &board;
    }
    return nullptr;
}

} // namespace quiz
