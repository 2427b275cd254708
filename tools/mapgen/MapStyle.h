// How every board's map picture looks: flat light country colours, white sea
// and foreign land, blue lakes, thin grey borders.
#pragma once

#include "tools/mapgen/Atlas.h"

#include <QColor>
#include <QPainterPath>
#include <QPolygonF>

namespace mapgen {

inline const QColor kSea = Qt::white;
inline const QColor kForeignLand = Qt::white;
inline const QColor kBorder(128, 128, 128);
inline const QColor kLake(72, 140, 204);
inline const QColor kLakeShore(52, 104, 160);
inline constexpr double kBorderWidth = 0.7;
// Countries this small (square degrees: Gambia to Guinea-Bissau) are only a
// pixel or two across in places. Their fill is laid again over the borders,
// so that their own colour shows; the outer half of the border stays.
inline constexpr double kSmallCountryArea = 3.5;

inline QPainterPath pathOf(const Shape& shape, const VertexBuffer& placed)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const Ring& ring : shape.rings) {
        QPolygonF polygon;
        polygon.reserve(ring.end - ring.begin);
        for (int i = ring.begin; i < ring.end; ++i)
            polygon.append(QPointF(placed.x[i], placed.y[i]));
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    return path;
}

} // namespace mapgen
