#include "tools/mapgen/today/SlotPlacement.h"

#include "tools/mapgen/today/SlotGeometry.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <optional>
#include <stdexcept>

namespace mapgen::today {
namespace {

constexpr int kGap = 2; // between two slots
constexpr int kMostMoves = 400;
constexpr int kMostImprovements = 2000;
constexpr std::size_t kMostMovedByAnImprovement = 2;

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


using Layout = std::vector<std::optional<Slot>>;

class Planner {
public:
    Planner(const Targets& targets, const std::vector<std::vector<QSize>>& sizes)
        : placed_(sizes.size())
    {
        for (RowCandidates& row : slotCandidates(targets, sizes)) {
            candidates_.push_back(std::move(row.places));
            onState_.push_back(row.onState);
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
