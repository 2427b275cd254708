#include "tools/mapgen/CountryColours.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace mapgen {
namespace {

// Pairwise at least 33 apart in CIE L*a*b*, and far from the lakes' blue.
const std::array<QColor, 5> kPalette{
    QColor(245, 214, 110), // sand yellow
    QColor(158, 211, 154), // soft green
    QColor(242, 164, 119), // apricot
    QColor(184, 166, 222), // lavender
    QColor(134, 203, 208), // aqua
};

} // namespace

std::vector<QColor> colourNeighbours(int count, const std::vector<std::pair<int, int>>& neighbours)
{
    std::vector<std::set<int>> adjacent(count);
    for (const auto& [a, b] : neighbours) {
        adjacent[a].insert(b);
        adjacent[b].insert(a);
    }
    // DSatur: colour next the country whose neighbours already use the most
    // colours, giving it the least used colour it may take, so that the
    // colours spread evenly over the map.
    std::vector<int> colour(count, -1);
    std::array<int, kPalette.size()> uses{};
    for (int step = 0; step < count; ++step) {
        const auto saturation = [&](int k) {
            std::set<int> seen;
            for (int n : adjacent[k])
                if (colour[n] >= 0)
                    seen.insert(colour[n]);
            return std::make_pair(seen.size(), adjacent[k].size());
        };
        int next = -1;
        for (int k = 0; k < count; ++k)
            if (colour[k] < 0 && (next < 0 || saturation(k) > saturation(next)))
                next = k;
        int best = -1;
        for (int c = 0; c < int(kPalette.size()); ++c) {
            const bool taken = std::any_of(adjacent[next].begin(), adjacent[next].end(),
                                           [&](int n) { return colour[n] == c; });
            if (!taken && (best < 0 || uses[c] < uses[best]))
                best = c;
        }
        if (best < 0)
            throw std::runtime_error("the palette is too small for the map's neighbours");
        colour[next] = best;
        ++uses[best];
    }
    std::vector<QColor> result;
    for (int c : colour)
        result.push_back(kPalette[c]);
    return result;
}

CountryColours colourCountries(const std::vector<std::pair<int, int>>& neighbours)
{
    const std::vector<QColor> colours = colourNeighbours(quiz::kCountryCount, neighbours);
    CountryColours result;
    std::copy(colours.begin(), colours.end(), result.begin());
    return result;
}

} // namespace mapgen
