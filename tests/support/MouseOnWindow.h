// The mouse on the real window: where to put it, in the window's pixels, and a
// drag from one place to another.
#pragma once

#include <QPoint>

class QWidget;

namespace testing {

// Inside list entry k, clear of its neighbours.
QPoint pixelsOnListEntry(int k);
// Inside a hotspot of the country in row `row` of the country table that no other
// hotspot covers.
QPoint pixelsOnCountry(int row);

// Press the left button at `from`, move half way and on to `to`, release there.
void dragWithMouse(QWidget &window, QPoint from, QPoint to);

} // namespace testing
