// The rings that make a small state a target big enough to hit: discs drawn
// in front of the other states' land in the index, outlined on the picture.
#pragma once

#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace mapgen::today {

// A fingertip's worth at the design size.
inline constexpr double kSmallestRingDiameter = 24;
// A state whose area holds no disc this wide, or whose bounding box is narrower
// than the smallest ring, is too small to hit and gets one.
inline constexpr double kSmallestInscribedDiameter = 10;
// Round an island group, beyond its outermost islands.
inline constexpr double kRingMargin = 3;
// How far a ring keeps from another state's deepest point.
inline constexpr double kDeepPointClearance = 2;

struct TargetRing {
    int row = 0;
    QPointF centre; // picture pixels
    double radius = 0;
    double wantedRadius = 0; // before it was shrunk clear of other states' deepest points
};

inline double islandGroupRingRadius(QRectF groupBounds)
{
    return std::max(kSmallestRingDiameter / 2,
                    std::hypot(groupBounds.width(), groupBounds.height()) / 2 + kRingMargin);
}

} // namespace mapgen::today
