// Where the board of Africa today's world lies on its picture: a plain
// Lambert azimuthal equal-area projection, scaled so that the mainland and
// the islands near it fill the visible map, and framed insets in open sea for
// the island states that lie beyond it.
#pragma once

#include "tools/mapgen/today/TodayAtlas.h"

#include <QRectF>
#include <QString>

namespace mapgen::today {

struct Inset {
    int row = 0;
    QRectF box; // picture pixels
};

struct TodayFrame {
    QString projection;       // PROJ's definition
    double pixelsPerDegree = 0; // at the projection's centre
    // What the scale would be if the frame took in every island instead.
    double widerFramePixelsPerDegree = 0;
    VertexBuffer placed;      // picture pixels, the inset states moved into their boxes
    std::vector<Inset> insets;
};

TodayFrame frameAtlas(const TodayAtlas& atlas);

} // namespace mapgen::today
