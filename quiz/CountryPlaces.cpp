#include "quiz/CountryPlaces.h"

#include "quiz/DropRules.h"

#include <algorithm>
#include <limits>
#include <set>

namespace quiz {

namespace {

// The map read in cells of two pixels, fine enough for the narrowest drop target.
constexpr int kCell = 2 * kTwipsPerPixel;
constexpr int kColumns = kDropPointArea.width / kCell;
constexpr int kRows = kDropPointArea.height / kCell;
constexpr int kSea = -1;
// In cells.
constexpr int kBorderGap = 4;

TwipPoint cellCentre(int column, int row)
{
    return {kDropPointArea.left + column * kCell + kCell / 2, kDropPointArea.top + row * kCell + kCell / 2};
}

// Each cell's distance in cells to the nearest cell of another country or the sea,
// or to the map's edge (chessboard distance, two passes).
std::vector<int> depths(const std::vector<int> &countries)
{
    std::vector<int> depth(countries.size(), std::numeric_limits<int>::max());
    auto pass = [&](int step) {
        const int first = step > 0 ? 0 : int(countries.size()) - 1;
        for (int i = first; i >= 0 && i < int(countries.size()); i += step) {
            const int column = i % kColumns;
            const int row = i / kColumns;
            // The neighbours already visited in this pass.
            for (const auto &[dc, dr] : {std::pair{-1, 0}, {-1, -1}, {0, -1}, {1, -1}}) {
                const int c = column + dc * step;
                const int r = row + dr * step;
                const bool inside = c >= 0 && c < kColumns && r >= 0 && r < kRows;
                const int j = r * kColumns + c;
                const int through = inside && countries[std::size_t(j)] == countries[std::size_t(i)]
                                        ? depth[std::size_t(j)] + 1
                                        : 1;
                depth[std::size_t(i)] = std::min(depth[std::size_t(i)], through);
            }
        }
    };
    pass(1);
    pass(-1);
    return depth;
}

} // namespace

std::optional<int> countryAt(const Board &board, TwipPoint p)
{
    const BoardElement element = board.elementAt(p);
    if (element.kind != ElementKind::DropTarget || !kDropPointArea.contains(p))
        return std::nullopt;
    return board.definition().rowOf(trimSpaces(board.piccoor(element.index).tag));
}

CountryPlaces::CountryPlaces(const Board &board)
    : m_board(board), m_inside(std::size_t(board.countryCount())), m_neighbours(std::size_t(board.countryCount()))
{
    std::vector<int> countries(std::size_t(kColumns * kRows), kSea);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            countries[std::size_t(row * kColumns + column)] = countryAt(board, cellCentre(column, row)).value_or(kSea);
    }
    const std::vector<int> depth = depths(countries);
    std::vector<int> deepest(std::size_t(board.countryCount()), 0);
    std::vector<std::set<int>> touching(std::size_t(board.countryCount()));
    for (int i = 0; i < int(countries.size()); ++i) {
        const int country = countries[std::size_t(i)];
        if (country == kSea)
            continue;
        if (depth[std::size_t(i)] > deepest[std::size_t(country)]) {
            deepest[std::size_t(country)] = depth[std::size_t(i)];
            m_inside[std::size_t(country)] = cellCentre(i % kColumns, i / kColumns);
        }
        // Drop targets leave thin gaps along borders: countries whose areas come
        // within a few pixels of each other touch.
        const int column = i % kColumns;
        const int row = i / kColumns;
        for (int r = row; r <= std::min(row + kBorderGap, kRows - 1); ++r) {
            for (int c = std::max(column - kBorderGap, 0); c <= std::min(column + kBorderGap, kColumns - 1); ++c) {
                const int other = countries[std::size_t(r * kColumns + c)];
                if (other != kSea && other != country) {
                    touching[std::size_t(country)].insert(other);
                    touching[std::size_t(other)].insert(country);
                }
            }
        }
    }
    for (int k = 0; k < board.countryCount(); ++k)
        m_neighbours[std::size_t(k)].assign(touching[std::size_t(k)].begin(), touching[std::size_t(k)].end());
}

std::optional<int> CountryPlaces::nextFrom(TwipPoint point, int across, int down) const
{
    // From within a country, the way goes from its inside point, so that each key
    // leads to the same next country wherever in it the drop point lies, and a
    // jump never lands back in the country it left.
    const std::optional<int> here = countryAt(m_board, point);
    const TwipPoint from = here ? *m_inside[std::size_t(*here)] : point;
    // The nearest country within an eighth of a turn either side of the way the key
    // points, each step aside counting double; only where none lies there, the
    // nearest on that side of the drop point at all, so that every country can be
    // reached.
    auto nearest = [&](bool withinQuarterTurn) {
        std::optional<int> next;
        double best = std::numeric_limits<double>::max();
        for (int k = 0; k < m_board.countryCount(); ++k) {
            const std::optional<TwipPoint> point = m_inside[std::size_t(k)];
            if (!point || k == here)
                continue;
            const double dx = point->x - from.x;
            const double dy = point->y - from.y;
            const double along = dx * across + dy * down;
            const double aside = std::abs(dx * down - dy * across);
            const double cost = along + 2 * aside;
            if (along > 0 && (!withinQuarterTurn || aside <= along) && cost < best) {
                best = cost;
                next = k;
            }
        }
        return next;
    };
    const std::optional<int> ahead = nearest(true);
    return ahead ? ahead : nearest(false);
}

} // namespace quiz
