// The places a state's name can take, each with its cost: on the state, where
// a slot fits wholly on its land in the index, else near it, clear of every
// ring and inside point, with a leader line to the slot's nearest edge.
#pragma once

#include "tools/mapgen/today/Targets.h"

#include <QLineF>
#include <QRect>
#include <QSize>

#include <vector>

namespace mapgen::today {

struct Slot {
    QRect rect;    // picture pixels
    QLineF leader; // picture pixels, from the state to the slot; null when the slot lies on the state
    // On the state: the distance from its deepest point. Near it: the leader
    // line's length and the other states' land hidden. Both: a price a line.
    double cost = 0;
};

struct RowCandidates {
    std::vector<Slot> places; // cheapest first
    bool onState = false;
};

// For every row, its slot sizes given in `sizes`.
std::vector<RowCandidates> slotCandidates(const Targets& targets, const std::vector<std::vector<QSize>>& sizes);

// The point a state's leader line starts from: its inside pixel's centre, as
// the table's twips round it.
QPointF leaderStart(QPoint insidePixel);

} // namespace mapgen::today
