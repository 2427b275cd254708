// Colouring the countries so that neighbours always differ clearly.
#pragma once

#include "tools/mapgen/MapPicture.h"

#include <utility>
#include <vector>

namespace mapgen {

// A few light, clearly different colours, only one of them in the orange and
// pink range, given to the countries so that no two neighbours share one.
std::vector<QColor> colourNeighbours(int count, const std::vector<std::pair<int, int>>& neighbours);

// The same for the 48 board's countries.
CountryColours colourCountries(const std::vector<std::pair<int, int>>& neighbours);

} // namespace mapgen
