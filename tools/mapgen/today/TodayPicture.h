// Drawing the board of Africa today: the lossless index of the states' land
// and the coloured map, both from the same placed vectors.
#pragma once

#include "tools/mapgen/today/Rings.h"
#include "tools/mapgen/today/TodayFrame.h"

#include <QColor>
#include <QImage>

#include <vector>

namespace mapgen::today {

// 8-bit grey, the picture's size: k + 1 on row k's land, 0 elsewhere. Drawn
// without antialiasing, so every pixel belongs to exactly one row.
QImage renderLandIndex(const TodayAtlas& atlas, const TodayFrame& frame);

// The map at `scale` times the picture's size.
QImage renderTodayPicture(const TodayAtlas& atlas, const TodayFrame& frame, const std::vector<QColor>& colours,
                          const std::vector<TargetRing>& rings, int scale);

} // namespace mapgen::today
