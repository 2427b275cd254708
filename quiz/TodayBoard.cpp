#include "quiz/TodayBoard.h"

#include "quiz/TodayBoardTables.h"
#include "shell/Failure.h"

namespace quiz {

std::shared_ptr<const BoardDefinition> todayBoard(std::optional<CountryIndex> index)
{
    if (!index)
        throw shell::Failure(QStringLiteral("The board of Africa today is judged by its country index, which is missing"));
    auto board = std::make_shared<BoardDefinition>();
    board->namesFolder = QStringLiteral("boards/today");
    board->countryNames = board->builtInNames(BoardLanguage());
    if (board->countryNames.size() != today::kCountryCount)
        throw shell::Failure(QStringLiteral("The board of Africa today has %1 names, not %2")
                                 .arg(board->countryNames.size()).arg(today::kCountryCount));
    for (int k = 0; k < today::kCountryCount; ++k) {
        const today::Country &country = today::kCountries[std::size_t(k)];
        const QString &name = board->countryNames[k];
        board->areas.push_back({name, country.bounds});
        board->nameSlots.push_back(country.slot);
        if (country.leader.x1 != country.leader.x2 || country.leader.y1 != country.leader.y2)
            board->leaders.push_back({name, country.leader});
    }
    board->index = std::move(index);
    board->list = kTodayList;
    board->mapPicture = QStringLiteral(":/boards/today/map.jpg");
    board->mapPicture2x = QStringLiteral(":/boards/today/map@2x.jpg");
    return board;
}

} // namespace quiz
