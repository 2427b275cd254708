// The board of Africa today's country index, which judges every drop: the
// states' land as drawn, with rings in front for the states too small to hit.
#pragma once

#include "tools/mapgen/today/DeepestPoints.h"
#include "tools/mapgen/today/Rings.h"

#include <QImage>

#include <vector>

namespace mapgen::today {

struct Targets {
    QImage index; // 8-bit grey, the picture's size
    std::vector<TargetRing> rings;
    std::vector<RowArea> areas; // measured on the final index
    std::vector<QPoint> inside; // the deepest point, or the ring's centre for a ringed state

    const TargetRing* ringOf(int row) const;
};

// `land` is the index of the states' land as drawn; `island` marks the states
// with no land border, whose rings go round the whole group.
Targets buildTargets(const QImage& land, const std::vector<bool>& island);

} // namespace mapgen::today
