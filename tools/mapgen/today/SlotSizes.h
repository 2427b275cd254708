// The boxes a state's name can be written in once placed: bold 11 px Arial,
// wrapped at spaces onto one to three lines, left-aligned, as the window
// draws it. A box fits the English name at full size and every other
// language's at 10 px or more, as the window shrinks a name that does not fit.
#pragma once

#include <QSize>
#include <QStringList>

#include <vector>

namespace mapgen::today {

// Picture pixels; the narrowest width for each line count that needs less
// width than one line fewer, fewest lines first.
std::vector<QSize> slotSizes(const QStringList& namesEnglishFirst);

} // namespace mapgen::today
