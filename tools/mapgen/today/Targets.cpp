#include "tools/mapgen/today/Targets.h"

#include <cmath>
#include <stdexcept>

namespace mapgen::today {
namespace {

bool tooSmallToHit(const RowArea& area)
{
    return 2 * area.depth < kSmallestInscribedDiameter
           || std::min(area.bounds.width(), area.bounds.height()) < kSmallestRingDiameter;
}

QPointF centreOf(QPoint pixel)
{
    return QPointF(pixel) + QPointF(0.5, 0.5);
}

std::vector<TargetRing> ringsFor(const std::vector<RowArea>& land, const std::vector<bool>& island)
{
    std::vector<TargetRing> rings;
    for (int k = 0; k < int(land.size()); ++k) {
        if (!tooSmallToHit(land[k]))
            continue;
        const QRectF bounds(land[k].bounds);
        const TargetRing ring = island[k]
            ? TargetRing{k, bounds.center(), islandGroupRingRadius(bounds), islandGroupRingRadius(bounds)}
            : TargetRing{k, centreOf(land[k].deepest), kSmallestRingDiameter / 2, kSmallestRingDiameter / 2};
        rings.push_back(ring);
    }
    // A ring keeps clear of the deepest points of the states it lies over.
    for (TargetRing& ring : rings)
        for (int k = 0; k < int(land.size()); ++k) {
            if (tooSmallToHit(land[k]))
                continue;
            const QPointF d = centreOf(land[k].deepest) - ring.centre;
            ring.radius = std::min(ring.radius, std::hypot(d.x(), d.y()) - kDeepPointClearance);
        }
    return rings;
}

// Every pixel within a ring takes the ring's row; where rings overlap, the
// ring with the nearest centre.
void drawRings(QImage& index, const std::vector<TargetRing>& rings)
{
    for (int y = 0; y < index.height(); ++y) {
        uchar* line = index.scanLine(y);
        for (int x = 0; x < index.width(); ++x) {
            double nearest = std::numeric_limits<double>::max();
            for (const TargetRing& ring : rings) {
                const double d = std::hypot(x + 0.5 - ring.centre.x(), y + 0.5 - ring.centre.y());
                if (d <= ring.radius && d < nearest) {
                    nearest = d;
                    line[x] = uchar(ring.row + 1);
                }
            }
        }
    }
}

} // namespace

const TargetRing* Targets::ringOf(int row) const
{
    for (const TargetRing& ring : rings)
        if (ring.row == row)
            return &ring;
    return nullptr;
}

Targets buildTargets(const QImage& land, const std::vector<bool>& island)
{
    const int rowCount = int(island.size());
    Targets targets;
    targets.index = land;
    targets.rings = ringsFor(measureRowAreas(land, rowCount), island);
    drawRings(targets.index, targets.rings);
    targets.areas = measureRowAreas(targets.index, rowCount);
    for (int k = 0; k < rowCount; ++k) {
        if (targets.areas[k].pixels == 0)
            throw std::runtime_error("a row has no pixel in the index");
        const TargetRing* ring = targets.ringOf(k);
        targets.inside.push_back(ring ? QPoint(int(std::floor(ring->centre.x())), int(std::floor(ring->centre.y())))
                                      : targets.areas[k].deepest);
    }
    return targets;
}

} // namespace mapgen::today
