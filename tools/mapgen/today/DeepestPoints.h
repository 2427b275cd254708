// The deepest point of every row's area in a country index: the pixel
// farthest from any pixel of another value, where a name's drop is surest.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace mapgen::today {

struct RowArea {
    QPoint deepest;   // picture pixel
    double depth = 0; // pixels to the nearest other value, 0 for a row that is not in the index
    QRect bounds;
    int pixels = 0;
};

// Entry k describes value k + 1 of the 8-bit grey index. Ties go to the pixel
// nearest the area's centroid, so that a sliver's deepest point lies midway along it.
std::vector<RowArea> measureRowAreas(const QImage& index, int rowCount);

} // namespace mapgen::today
