// Drawing the atlas, placed in client twips, into the map picture's grid:
// the lossless country index and the coloured map itself.
#pragma once

#include "tools/mapgen/Atlas.h"

#include <QColor>
#include <QImage>

#include <array>
#include <vector>

namespace mapgen {

// The atlas with every vertex in client twips.
struct PlacedAtlas {
    const Atlas& atlas;
    VertexBuffer twips;
};

using CountryColours = std::array<QColor, quiz::kCountryCount>;

// 700 x 752, one byte a pixel: k + 1 on country row k, kNoCountry elsewhere.
// Drawn without antialiasing, so every pixel belongs to exactly one country.
QImage renderCountryIndex(const PlacedAtlas& placed);

// The picture itself at `scale` times the picture size: flat country colours,
// blue lakes, white sea and foreign land, thin grey borders; states the board
// does not list drawn like foreign land, with their names in small grey type.
QImage renderMapPicture(const PlacedAtlas& placed, const CountryColours& colours, int scale);

// Pixels of the picture that each of the atlas's unlisted states covers,
// counted as the country index counts them (no antialiasing).
std::vector<int> unlistedStatePixels(const PlacedAtlas& placed);

} // namespace mapgen
