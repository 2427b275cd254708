// Where the countries lie on the map, as drops are judged: the country a drop at a
// point would be judged against, a point well inside each country, the countries
// that touch it, and the next country in a direction. Read from the board's own drop
// targets, so they hold for any board, worked out once the board is set up.
#pragma once

#include "quiz/Board.h"

#include <optional>
#include <vector>

namespace quiz {

// The row of the country whose drop target lies in front at `p`; none where no target
// lies (the sea).
std::optional<int> countryAt(const Board &board, TwipPoint p);

class CountryPlaces
{
public:
    explicit CountryPlaces(const Board &board);

    // The point of the country farthest inside where it is judged, on a whole pixel;
    // none for a country without a drop target.
    std::optional<TwipPoint> inside(int country) const { return m_inside[std::size_t(country)]; }
    // The countries whose judged areas touch this one's, by row.
    const std::vector<int> &neighbours(int country) const { return m_neighbours[std::size_t(country)]; }
    // The country whose inside point lies nearest in the direction given by `across`
    // and `down` (each -1, 0 or 1), from the inside point of the country at `point`
    // (from `point` itself over the sea); none when no other lies that way.
    std::optional<int> nextFrom(TwipPoint point, int across, int down) const;

private:
    const Board &m_board;
    std::vector<std::optional<TwipPoint>> m_inside;
    std::vector<std::vector<int>> m_neighbours;
};

} // namespace quiz
