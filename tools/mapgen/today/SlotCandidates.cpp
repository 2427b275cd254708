#include "tools/mapgen/today/SlotCandidates.h"

#include "tools/mapgen/today/PictureGrid.h"
#include "tools/mapgen/today/SlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace mapgen::today {
namespace {

constexpr int kInsideMargin = 0;  // between a slot written on its state and the state's edge
constexpr int kSearchRadius = 150; // the longest leader line
constexpr int kSearchStep = 2;
constexpr double kLineCost = 4;   // a line more, in pixels of leader line
constexpr double kLandCost = 0.05; // a pixel of another state hidden under a slot
constexpr int kPointClearance = 3; // a slot keeps this far from any state's inside point

// Pixels of a chosen value (or of any row) within a rectangle, by summed areas.
class PixelCount {
public:
    PixelCount(const QImage& index, int value) : sums_(std::size_t(kWidth) * (index.height() + 1), 0)
    {
        for (int y = 0; y < index.height(); ++y)
            for (int x = 0; x < index.width(); ++x) {
                const int v = index.constScanLine(y)[x];
                const bool counted = value < 0 ? v != kNoRow : v == value;
                sums_[(y + 1) * kWidth + x + 1] = int(counted) + sums_[y * kWidth + x + 1]
                                                  + sums_[(y + 1) * kWidth + x] - sums_[y * kWidth + x];
            }
    }
    static constexpr int kAnyRow = -1;

    int in(QRect r) const
    {
        return sums_[(r.bottom() + 1) * kWidth + r.right() + 1] - sums_[r.top() * kWidth + r.right() + 1]
               - sums_[(r.bottom() + 1) * kWidth + r.left()] + sums_[r.top() * kWidth + r.left()];
    }

private:
    static constexpr int kWidth = kPictureSize.width() + 1;
    std::vector<int> sums_;
};


bool coversRing(QRect r, const TargetRing& ring)
{
    const QPointF near = nearestPointOf(QRectF(r), ring.centre);
    return std::hypot(near.x() - ring.centre.x(), near.y() - ring.centre.y()) < ring.radius;
}

std::vector<Slot> slotsOnState(const Targets& targets, int row, const std::vector<QSize>& sizes)
{
    const PixelCount own(targets.index, row + 1);
    const QRect bounds = targets.areas[row].bounds;
    const QPointF deepest = QPointF(targets.inside[row]) + QPointF(0.5, 0.5);
    std::vector<Slot> found;
    for (std::size_t lines = 0; lines < sizes.size(); ++lines)
        for (int y = bounds.top(); y + sizes[lines].height() <= bounds.bottom() + 1; ++y)
            for (int x = bounds.left(); x + sizes[lines].width() <= bounds.right() + 1; ++x) {
                const QRect r(QPoint(x, y), sizes[lines]);
                const QRect margin = r.adjusted(-kInsideMargin, -kInsideMargin, kInsideMargin, kInsideMargin);
                if (!kVisibleArea.contains(r) || own.in(margin) != margin.width() * margin.height())
                    continue;
                const QPointF centre = QRectF(r).center();
                found.push_back({r, {}, std::hypot(centre.x() - deepest.x(), centre.y() - deepest.y())
                                            + kLineCost * double(lines)});
            }
    return found;
}

std::vector<Slot> slotsNearState(const Targets& targets, int row, const std::vector<QSize>& sizes,
                                 const PixelCount& land)
{
    const PixelCount own(targets.index, row + 1);
    const QPointF start = leaderStart(targets.inside[row]);
    std::vector<Slot> found;
    for (std::size_t lines = 0; lines < sizes.size(); ++lines) {
        const QSize size = sizes[lines];
        for (int y = int(start.y()) - kSearchRadius - size.height(); y <= int(start.y()) + kSearchRadius;
             y += kSearchStep)
            for (int x = int(start.x()) - kSearchRadius - size.width(); x <= int(start.x()) + kSearchRadius;
                 x += kSearchStep) {
                const QRect r(QPoint(x, y), size);
                if (!kVisibleArea.contains(r))
                    continue;
                const QLineF leader(start, nearestPointOf(QRectF(r), start));
                if (leader.length() > kSearchRadius || leader.length() == 0)
                    continue;
                const QRect clear = r.adjusted(-kPointClearance, -kPointClearance, kPointClearance, kPointClearance);
                if (std::any_of(targets.inside.begin(), targets.inside.end(),
                                [&](QPoint p) { return clear.contains(p); })
                    || std::any_of(targets.rings.begin(), targets.rings.end(),
                                   [&](const TargetRing& ring) { return coversRing(r, ring); }))
                    continue;
                const int hidden = land.in(r) - own.in(r);
                found.push_back({r, leader, leader.length() + kLandCost * hidden + kLineCost * double(lines)});
            }
    }
    return found;
}

void sortByCost(std::vector<Slot>& found)
{
    std::stable_sort(found.begin(), found.end(), [](const Slot& a, const Slot& b) { return a.cost < b.cost; });
}

} // namespace

QPointF leaderStart(QPoint insidePixel)
{
    const quiz::TwipPoint t = twipsOfPixel(insidePixel);
    return {double(t.x - twipX(0)) / kPx, double(t.y - twipY(0)) / kPx};
}


std::vector<RowCandidates> slotCandidates(const Targets& targets, const std::vector<std::vector<QSize>>& sizes)
{
    const PixelCount land(targets.index, PixelCount::kAnyRow);
    std::vector<RowCandidates> rows(sizes.size());
    for (int k = 0; k < int(sizes.size()); ++k) {
        rows[k].places = slotsOnState(targets, k, sizes[k]);
        rows[k].onState = !rows[k].places.empty();
        if (!rows[k].onState)
            rows[k].places = slotsNearState(targets, k, sizes[k], land);
        sortByCost(rows[k].places);
    }
    return rows;
}

} // namespace mapgen::today
