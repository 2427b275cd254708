// A whole game on a real X server, played with the pointer as a player plays it:
// every name dragged from the list to its country, then the completion box, then
// the board back at its start.
#include "BoardOnScreen.h"
#include "ProgramOnX.h"
#include "ReferenceBox.h"
#include "ScreenPixels.h"

#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QtTest>

using namespace xtest;
using quiz::kCountryNames;

class WholeGameOnXTest : public QObject
{
    Q_OBJECT

private slots:
    void everyNameToItsCountryThenANewGame()
    {
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        const QImage congratulations = expectedBoxPicture(
            x.desktop, {QStringLiteral("CONGRATULATIONS! THE MAP IS COMPLETE!"), kMainWindowTitle, shell::BoxRequest::Icon::None});
        QVERIFY2(!congratulations.isNull(), "the box helper never showed its box");
        const auto untouched = x.program.folder().checksums();
        x.program.start(x.desktop);
        const std::optional<XWindow> window = x.program.waitForMainWindow(x.desktop);
        QVERIFY(window);
        x.desktop.parkPointer();
        const std::optional<QImage> atStart = x.desktop.grabWhen(window->id, everyNameShown);
        QVERIFY2(atStart, "the 48 names never all showed");

        // Neither drop may change anything; the first right drop after them shows
        // that the program has handled them.
        const int wrongName = 47;
        const int seaName = 46;
        x.desktop.drag(window->id, onListEntry(wrongName), onHotspotOf(0));
        x.desktop.drag(window->id, onListEntry(seaName), onTheSea());

        for (int k = 0; k + 1 < quiz::kCountryCount; ++k) {
            x.desktop.drag(window->id, onListEntry(k), onHotspotOf(k));
            const bool moved = bool(
                x.desktop.grabWhen(window->id, [&](const QImage &shot) { return placed(*atStart, shot, k, k); }));
            QVERIFY2(moved, qPrintable(kCountryNames[k].toString() + QStringLiteral(" did not move from the list to its slot")));
            if (k == 0) {
                const QImage shot = x.desktop.grab(window->id);
                for (int unmoved : {wrongName, seaName}) {
                    const QString name = kCountryNames[unmoved].toString();
                    QVERIFY2(sameInArea(shot, *atStart, listEntryBand(unmoved)), qPrintable(name + QStringLiteral(" left the list")));
                    QVERIFY2(sameInArea(shot, *atStart, slotArea(unmoved)), qPrintable(name + QStringLiteral(" showed in its slot")));
                }
            }
        }

        const int last = quiz::kCountryCount - 1;
        x.desktop.drag(window->id, onListEntry(last), onHotspotOf(last));
        // The box has the main window's title; it is the program's other window of that title.
        const std::optional<XWindow> box = x.desktop.waitForWindow(
            x.program.pid(), kMainWindowTitle, [&](const XWindow &w) { return w.id != window->id; });
        QVERIFY2(box, "no completion box");
        QTRY_COMPARE_WITH_TIMEOUT(x.desktop.focusedWindow(), box->id, 5000);
        QVERIFY(waitUntilShows(x.desktop, box->id, congratulations));
        // Behind the box the player should see the map complete, as after every other drop.
        QVERIFY(placed(*atStart, x.desktop.grab(window->id), last, last));

        x.desktop.pressKey(QStringLiteral("Return"));
        const bool backAtStart = bool(x.desktop.grabWhen(window->id, [&](const QImage &shot) { return shot == *atStart; }));
        QVERIFY2(backAtStart, "the board did not come back to its start");
        QVERIFY(x.desktop.windows(x.program.pid(), kMainWindowTitle).size() == 1);
        QCOMPARE(x.program.folder().checksums(), untouched);
    }
};

QTEST_GUILESS_MAIN(WholeGameOnXTest)
#include "WholeGameOnXTest.moc"
