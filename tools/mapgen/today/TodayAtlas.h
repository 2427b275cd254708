// The world of the board of Africa today in longitude and latitude: its 55
// rows, the other land nearby and the large lakes.
#pragma once

#include "tools/mapgen/Atlas.h"
#include "tools/mapgen/today/TodayRows.h"

#include <utility>
#include <vector>

namespace mapgen::today {

struct TodayAtlas {
    VertexBuffer lonLat;        // degrees
    std::vector<Shape> countries; // in the rows' order
    std::vector<double> countryAreas; // square degrees
    std::vector<Shape> otherLand;
    std::vector<Shape> lakes;
    std::vector<std::pair<int, int>> neighbours; // rows sharing a border

    bool hasNeighbours(int row) const;
};

TodayAtlas loadTodayAtlas(const QString& dataDir, const std::vector<TodayRow>& rows);

} // namespace mapgen::today
