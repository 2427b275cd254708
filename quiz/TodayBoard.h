// The board of Africa today: the 54 states and Western Sahara, named in every
// language from its own tables, judged by the country index its map was drawn with.
#pragma once

#include "quiz/BoardDefinition.h"

namespace quiz {

// The list's two columns share the panel's width, as its longest names need it.
inline constexpr ListLayout kTodayList{55, 28, {8760, 1440, 3030, 285}, {11880, 1440, 3030, 285}, 270};

// Throws a Failure without its country index, or when its names are damaged.
std::shared_ptr<const BoardDefinition> todayBoard(std::optional<CountryIndex> index);

} // namespace quiz
