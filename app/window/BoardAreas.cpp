#include "app/window/BoardAreas.h"

#include "quiz/BoardLayout.h"

namespace app::areas {

QRectF listEntry(const quiz::Board &board, int k) { return board.listEntryArea(k).toPixels(); }
QRectF inPanel(const quiz::Board &board, const quiz::TwipRect &designed) { return board.inPanel(designed).toPixels(); }
QRectF nameSlot(const quiz::Board &board, int k) { return board.definition().nameSlots.at(std::size_t(k)).toPixels(); }

QLineF leaderLine(const quiz::Board &board, int n)
{
    return board.definition().leaders.at(std::size_t(n - 1)).ends.toPixels().translated(0.5, 0.5);
}

QRectF dropMarker(quiz::TwipPoint p)
{
    constexpr double kRadius = 8;
    const QPointF centre(double(p.x) / quiz::kTwipsPerPixel, double(p.y) / quiz::kTwipsPerPixel);
    return {centre - QPointF(kRadius, kRadius), QSizeF(2 * kRadius, 2 * kRadius)};
}

QRect covered(const QRectF &area) { return area.toAlignedRect(); }

QRect covered(const QLineF &line)
{
    // A one-pixel pen without antialiasing; a pixel round it allows for the rounding of the ends.
    return QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace app::areas
