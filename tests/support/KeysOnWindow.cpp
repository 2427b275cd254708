#include "KeysOnWindow.h"

#include "quiz/BoardTables.h"
#include "quiz/KeyboardPlay.h"

#include <QtTest>

#include <cstdlib>

namespace testing {

namespace {

int frontHotspotAt(quiz::TwipPoint p)
{
    for (int i = quiz::kHotspotCount - 1; i >= 0; --i) {
        if (quiz::kHotspots[i].rect.contains(p))
            return i;
    }
    return -1;
}

void press(QWidget &widget, Qt::Key key, int times, Qt::KeyboardModifiers modifiers)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(&widget, key, modifiers);
}

void steerAxis(QWidget &widget, int distance, Qt::Key less, Qt::Key more)
{
    const Qt::Key key = distance < 0 ? less : more;
    const int steps = std::abs(distance) / quiz::kSmallDropStep;
    press(widget, key, steps / (quiz::kBigDropStep / quiz::kSmallDropStep), Qt::ShiftModifier);
    press(widget, key, steps % (quiz::kBigDropStep / quiz::kSmallDropStep), Qt::NoModifier);
}

} // namespace

quiz::TwipPoint reachablePointOnCountry(int row, quiz::TwipPoint from)
{
    const quiz::TwipRect &area = quiz::kDropPointArea;
    const int firstX = area.left + (from.x - area.left) % quiz::kSmallDropStep;
    const int firstY = area.top + (from.y - area.top) % quiz::kSmallDropStep;
    for (int y = firstY; y < area.bottom(); y += quiz::kSmallDropStep) {
        for (int x = firstX; x < area.right(); x += quiz::kSmallDropStep) {
            const int hotspot = frontHotspotAt({x, y});
            const bool wanted = row < 0 ? hotspot < 0
                                        : hotspot >= 0 && quiz::kHotspots[hotspot].tag == quiz::kCountryNames[row];
            if (wanted)
                return {x, y};
        }
    }
    QTest::qFail("no point of the country within the drop point's reach", __FILE__, __LINE__);
    return from;
}

void steerDropPoint(QWidget &widget, quiz::TwipPoint from, quiz::TwipPoint to)
{
    steerAxis(widget, to.x - from.x, Qt::Key_Left, Qt::Key_Right);
    steerAxis(widget, to.y - from.y, Qt::Key_Up, Qt::Key_Down);
}

} // namespace testing
