#include "tools/mapgen/today/SlotPlacement.h"

#include "tools/mapgen/today/PictureGrid.h"
#include "tools/mapgen/today/SlotGeometry.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>
#include <optional>
#include <stdexcept>

namespace mapgen::today {
namespace {

constexpr int kGap = 2;           // between two slots
constexpr int kInsideMargin = 0;  // between a slot written on its state and the state's edge
constexpr int kSearchRadius = 150; // the longest leader line
constexpr int kSearchStep = 2;
constexpr double kLineCost = 4;   // a line more, in pixels of leader line
constexpr double kLandCost = 0.05; // a pixel of another state hidden under a slot
constexpr int kPointClearance = 3; // a slot keeps this far from any state's inside point
constexpr int kMostMoves = 400;
constexpr int kMostImprovements = 2000;
constexpr std::size_t kMostMovedByAnImprovement = 2;

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

bool conflict(const Slot& a, const Slot& b)
{
    if (a.rect.adjusted(-kGap, -kGap, kGap, kGap).intersects(b.rect))
        return true;
    if (!a.leader.isNull() && segmentEntersRect(a.leader, QRectF(b.rect)))
        return true;
    if (!b.leader.isNull() && segmentEntersRect(b.leader, QRectF(a.rect)))
        return true;
    return !a.leader.isNull() && !b.leader.isNull() && segmentsMeet(a.leader, b.leader);
}

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
    std::vector<Slot> nameSlots;
    for (std::size_t lines = 0; lines < sizes.size(); ++lines)
        for (int y = bounds.top(); y + sizes[lines].height() <= bounds.bottom() + 1; ++y)
            for (int x = bounds.left(); x + sizes[lines].width() <= bounds.right() + 1; ++x) {
                const QRect r(QPoint(x, y), sizes[lines]);
                const QRect margin = r.adjusted(-kInsideMargin, -kInsideMargin, kInsideMargin, kInsideMargin);
                if (!kVisibleArea.contains(r) || own.in(margin) != margin.width() * margin.height())
                    continue;
                const QPointF centre = QRectF(r).center();
                nameSlots.push_back({r, {}, std::hypot(centre.x() - deepest.x(), centre.y() - deepest.y())
                                            + kLineCost * double(lines)});
            }
    return nameSlots;
}

std::vector<Slot> slotsNearState(const Targets& targets, int row, const std::vector<QSize>& sizes,
                                 const PixelCount& land)
{
    const PixelCount own(targets.index, row + 1);
    const QPointF start = leaderStart(targets.inside[row]);
    std::vector<Slot> nameSlots;
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
                nameSlots.push_back({r, leader, leader.length() + kLandCost * hidden + kLineCost * double(lines)});
            }
    }
    return nameSlots;
}

void sortByCost(std::vector<Slot>& nameSlots)
{
    std::stable_sort(nameSlots.begin(), nameSlots.end(), [](const Slot& a, const Slot& b) { return a.cost < b.cost; });
}

} // namespace

QPointF leaderStart(QPoint insidePixel)
{
    const quiz::TwipPoint t = twipsOfPixel(insidePixel);
    return {double(t.x - twipX(0)) / kPx, double(t.y - twipY(0)) / kPx};
}

namespace {

using Layout = std::vector<std::optional<Slot>>;

class Planner {
public:
    Planner(const Targets& targets, const std::vector<std::vector<QSize>>& sizes)
        : candidates_(sizes.size()), onState_(sizes.size()), placed_(sizes.size())
    {
        const PixelCount land(targets.index, PixelCount::kAnyRow);
        for (int k = 0; k < rowCount(); ++k) {
            candidates_[k] = slotsOnState(targets, k, sizes[k]);
            onState_[k] = !candidates_[k].empty();
            if (!onState_[k])
                candidates_[k] = slotsNearState(targets, k, sizes[k], land);
            sortByCost(candidates_[k]);
        }
    }

    std::vector<Slot> plan()
    {
        placeGreedily();
        for (int round = 0; round < kMostImprovements && improveOnce(); ++round) {
        }
        std::vector<Slot> result;
        for (const std::optional<Slot>& slot : placed_)
            result.push_back(*slot);
        return result;
    }

private:
    int rowCount() const { return int(candidates_.size()); }

    std::vector<int> conflictsWith(const Slot& slot, int row, const Layout& layout) const
    {
        std::vector<int> rows;
        for (int k = 0; k < rowCount(); ++k)
            if (k != row && layout[k] && conflict(slot, *layout[k]))
                rows.push_back(k);
        return rows;
    }

    bool anyOnState(const std::vector<int>& rows) const
    {
        return std::any_of(rows.begin(), rows.end(), [&](int k) { return onState_[k]; });
    }

    const Slot* cheapestFree(int row, const Layout& layout) const
    {
        for (const Slot& slot : candidates_[row])
            if (conflictsWith(slot, row, layout).empty())
                return &slot;
        return nullptr;
    }

    static double totalCost(const Layout& layout)
    {
        double sum = 0;
        for (const std::optional<Slot>& slot : layout)
            sum += slot->cost;
        return sum;
    }

    // Slots on their states first, as they are fixed; then the fewest places
    // first. A state with no free place takes its cheapest place whose slots in
    // the way all have leader lines, and those go back in the queue.
    void placeGreedily()
    {
        std::vector<int> order(rowCount());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return std::make_pair(!onState_[a], candidates_[a].size())
                   < std::make_pair(!onState_[b], candidates_[b].size());
        });
        std::deque<int> queue(order.begin(), order.end());
        int moves = 0;
        while (!queue.empty()) {
            const int row = queue.front();
            queue.pop_front();
            if (const Slot* free = cheapestFree(row, placed_)) {
                placed_[row] = *free;
                continue;
            }
            const auto pushing = std::find_if(candidates_[row].begin(), candidates_[row].end(), [&](const Slot& s) {
                return !anyOnState(conflictsWith(s, row, placed_));
            });
            if (pushing == candidates_[row].end() || ++moves > kMostMoves)
                throw std::runtime_error("no place for the name of row " + std::to_string(row));
            for (int k : conflictsWith(*pushing, row, placed_)) {
                placed_[k].reset();
                queue.push_back(k);
            }
            placed_[row] = *pushing;
        }
    }

    // Moves one leader-lined slot to a cheaper place, re-placing the few
    // slots in its way, where that lowers the total cost.
    bool improveOnce()
    {
        for (int row = 0; row < rowCount(); ++row) {
            if (onState_[row])
                continue;
            for (const Slot& slot : candidates_[row]) {
                if (slot.cost >= placed_[row]->cost)
                    break;
                const std::vector<int> moved = conflictsWith(slot, row, placed_);
                if (moved.size() > kMostMovedByAnImprovement || anyOnState(moved))
                    continue;
                Layout trial = placed_;
                trial[row] = slot;
                for (int k : moved)
                    trial[k].reset();
                bool placedAll = true;
                for (int k : moved) {
                    const Slot* free = cheapestFree(k, trial);
                    placedAll = free != nullptr;
                    if (!placedAll)
                        break;
                    trial[k] = *free;
                }
                if (placedAll && totalCost(trial) < totalCost(placed_)) {
                    placed_ = trial;
                    return true;
                }
            }
        }
        return false;
    }

    std::vector<std::vector<Slot>> candidates_;
    std::vector<bool> onState_;
    Layout placed_;
};

} // namespace

std::vector<Slot> placeSlots(const Targets& targets, const std::vector<std::vector<QSize>>& sizes)
{
    return Planner(targets, sizes).plan();
}

} // namespace mapgen::today
