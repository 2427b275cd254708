#include "MouseOnWindow.h"

#include "ReadyBoard.h"
#include "quiz/BoardTables.h"

#include <QtTest>

namespace testing {

namespace {

QPoint pixelsOf(quiz::TwipPoint p)
{
    return {p.x / quiz::kTwipsPerPixel, p.y / quiz::kTwipsPerPixel};
}

} // namespace

QPoint pixelsOnListEntry(int k)
{
    const quiz::TwipRect r = quiz::listEntryRect(k);
    return pixelsOf({r.left + 60, r.top + 60});
}

QPoint pixelsOnCountry(int row)
{
    for (int i = 0; i < quiz::kHotspotCount; ++i) {
        if (quiz::kHotspots[i].tag == quiz::kCountryNames[row])
            return pixelsOf(pointOnHotspot(i)) + QPoint(1, 1);
    }
    return {};
}

void dragWithMouse(QWidget &window, QPoint from, QPoint to)
{
    QTest::mousePress(&window, Qt::LeftButton, {}, from);
    QTest::mouseMove(&window, (from + to) / 2);
    QTest::mouseMove(&window, to);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, to);
}

} // namespace testing
