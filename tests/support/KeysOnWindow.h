// The keyboard on the real window: where the drop point can reach a country, and
// the arrow keys that steer it there.
#pragma once

#include "quiz/Twips.h"

class QWidget;

namespace testing {

// A point the drop point can reach from `from` in whole steps where the frontmost
// hotspot is one of the country in row `row` of the country table; with `row` -1,
// one where no hotspot lies.
quiz::TwipPoint reachablePointOnCountry(int row, quiz::TwipPoint from);

// Arrow keys to `widget` that steer the drop point from `from` to `to`, big steps first.
void steerDropPoint(QWidget &widget, quiz::TwipPoint from, quiz::TwipPoint to);

} // namespace testing
