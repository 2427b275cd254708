#include "ReadyBoard.h"
#include "quiz/BoardTables.h"

#include <QRegularExpression>

namespace testing {

quiz::DropOutcome ReadyBoard::dropOn(int index, int source)
{
    const quiz::DropOutcome outcome = quiz::piccoor_DragDrop(quiz, index, source);
    if (outcome == quiz::DropOutcome::Completed)
        quiz::completeMap(quiz);
    return outcome;
}

QList<int> ReadyBoard::reportLines() const
{
    static const QRegularExpression atLine(QStringLiteral("at line (\\d+)\r\r"));
    QList<int> lines;
    for (const shell::BoxRequest &box : outside.boxes.shown) {
        const auto match = atLine.match(box.text);
        if (match.hasMatch())
            lines << match.captured(1).toInt();
    }
    return lines;
}

quiz::TwipPoint pointOnHotspot(int i)
{
    const quiz::TwipRect &r = quiz::kHotspots[i].rect;
    for (int y = r.top; y < r.bottom(); y += quiz::kTwipsPerPixel) {
        for (int x = r.left; x < r.right(); x += quiz::kTwipsPerPixel) {
            bool covered = false;
            for (int j = i + 1; j < quiz::kHotspotCount && !covered; ++j)
                covered = quiz::kHotspots[j].rect.contains({x, y});
            if (!covered)
                return {x, y};
        }
    }
    return {r.left, r.top};
}

quiz::TwipPoint sharedPoint(const quiz::TwipRect &a, const quiz::TwipRect &b)
{
    const int left = std::max(a.left, b.left);
    const int right = std::min(a.right(), b.right());
    const int top = std::max(a.top, b.top);
    const int bottom = std::min(a.bottom(), b.bottom());
    return {(left + right) / 2, (top + bottom) / 2};
}

} // namespace testing
