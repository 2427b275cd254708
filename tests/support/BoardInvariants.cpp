#include "BoardInvariants.h"
#include "quiz/BoardTables.h"

namespace testing {

namespace {

bool sameRect(const quiz::TwipRect &a, const quiz::TwipRect &b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

void checkNames(const quiz::Board &board, QStringList &problems)
{
    int placed = 0;
    for (int k = 0; k < quiz::kListEntryCount; ++k) {
        const bool inList = board.labels(k).visible;
        placed += !inList;
        if (inList == board.maplabel(k).visible)
            problems << QStringLiteral("name %1 is %2 the list and its slot").arg(k).arg(inList ? "in both" : "in neither");
    }
    if (board.placedCount() != placed)
        problems << QStringLiteral("the count is %1 with %2 names placed").arg(board.placedCount()).arg(placed);
}

void checkLeaderLines(const quiz::Board &board, QStringList &problems)
{
    for (int n = 1; n <= quiz::kLeaderLineCount; ++n) {
        bool countryPlaced = false;
        for (int k = 0; k < quiz::kListEntryCount; ++k)
            countryPlaced |= !board.labels(k).visible && board.labels(k).tag == quiz::kLeaderLines[n - 1].country;
        if (board.lineVisible(n) != countryPlaced)
            problems << QStringLiteral("line %1 is %2 while its country is %3")
                            .arg(n)
                            .arg(board.lineVisible(n) ? "shown" : "hidden")
                            .arg(countryPlaced ? "placed" : "not placed");
    }
}

void checkDropTargets(const quiz::Board &board, QStringList &problems)
{
    for (int j = 0; j < quiz::kHotspotCount; ++j) {
        if (!board.dropTargetExists(j)) {
            problems << QStringLiteral("drop target %1 is missing").arg(j);
            continue;
        }
        const quiz::DropTarget &target = board.piccoor(j);
        if (!target.visible || board.shape(j).visible || target.tag != board.shape(j).tag
            || !sameRect(target.rect, board.shape(j).rect))
            problems << QStringLiteral("drop target %1 is not as set-up laid it").arg(j);
    }
}

} // namespace

QStringList boardInconsistencies(const quiz::Board &board)
{
    QStringList problems;
    checkNames(board, problems);
    checkLeaderLines(board, problems);
    checkDropTargets(board, problems);
    return problems;
}

} // namespace testing
