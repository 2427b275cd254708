// The plane geometry of slots and leader lines, in picture pixels: what the
// placement avoids and what the committed table is checked against.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace mapgen::today {

inline double cross(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Whether two segments meet, touching included.
inline bool segmentsMeet(QLineF s, QLineF t)
{
    const double d1 = cross(t.p1(), t.p2(), s.p1()), d2 = cross(t.p1(), t.p2(), s.p2());
    const double d3 = cross(s.p1(), s.p2(), t.p1()), d4 = cross(s.p1(), s.p2(), t.p2());
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    const auto onSegment = [](QLineF l, QPointF p, double d) {
        return d == 0 && p.x() >= std::min(l.x1(), l.x2()) && p.x() <= std::max(l.x1(), l.x2())
               && p.y() >= std::min(l.y1(), l.y2()) && p.y() <= std::max(l.y1(), l.y2());
    };
    return onSegment(t, s.p1(), d1) || onSegment(t, s.p2(), d2) || onSegment(s, t.p1(), d3)
           || onSegment(s, t.p2(), d4);
}

// Whether a segment passes through the rectangle's inside, not just along its edge.
inline bool segmentEntersRect(QLineF s, QRectF r)
{
    double enter = 0, leave = 1;
    const double d[2] = {s.dx(), s.dy()};
    const double p[2] = {s.x1(), s.y1()};
    const double low[2] = {r.left(), r.top()}, high[2] = {r.right(), r.bottom()};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (p[axis] <= low[axis] || p[axis] >= high[axis])
                return false;
            continue;
        }
        double t1 = (low[axis] - p[axis]) / d[axis], t2 = (high[axis] - p[axis]) / d[axis];
        if (t1 > t2)
            std::swap(t1, t2);
        enter = std::max(enter, t1);
        leave = std::min(leave, t2);
    }
    return enter < leave;
}

// The point of the rectangle nearest p: where a leader line from p meets its slot.
inline QPointF nearestPointOf(QRectF r, QPointF p)
{
    return {std::clamp(p.x(), r.left(), r.right()), std::clamp(p.y(), r.top(), r.bottom())};
}

} // namespace mapgen::today
