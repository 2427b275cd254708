#include "app/window/SpokenResults.h"

#include "quiz/BoardTables.h"
#include "quiz/KeyboardPlay.h"
#include "quiz/ListNavigation.h"

#include <cmath>

namespace app::spoken {

QString placed(const QString &name, int placedCount)
{
    return QStringLiteral("%1 placed. %2 of %3.").arg(name).arg(placedCount).arg(quiz::kCountryCount);
}

QString notThere(const QString &name)
{
    return QStringLiteral("Not there. %1 is back in the list.").arg(name);
}

QString putBack(const QString &name)
{
    return QStringLiteral("%1 put back.").arg(name);
}

QString newGame(int namesInList)
{
    return QStringLiteral("New game. %1 names in the list.").arg(namesInList);
}

QString dropPointPosition(quiz::TwipPoint p)
{
    const quiz::TwipRect &map = quiz::kDropPointArea;
    return QStringLiteral("%1% across, %2% down")
        .arg(std::lround(100.0 * (p.x - map.left) / map.width))
        .arg(std::lround(100.0 * (p.y - map.top) / map.height));
}

QString afterDrop(quiz::DropOutcome outcome, int source, bool byKeyboard, const quiz::Board &board)
{
    const QString name = board.labels(source).caption;
    switch (outcome) {
    case quiz::DropOutcome::Placed: return placed(name, board.placedCount());
    case quiz::DropOutcome::Completed: return newGame(quiz::namesInList(board));
    case quiz::DropOutcome::Wrong: return notThere(name);
    case quiz::DropOutcome::Ignored:
    case quiz::DropOutcome::BackInList: return byKeyboard ? notThere(name) : QString();
    }
    return {};
}

} // namespace app::spoken
