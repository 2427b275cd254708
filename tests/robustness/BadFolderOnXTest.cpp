// Some of the spoilt program folders with the real program on an X server of the
// test's own: each report box before the window, answered as a player answers it,
// then the window, drops that still work, a clean end at the close box, and
// nothing written.
#include "BadFolderCases.h"
#include "BoardOnScreen.h"
#include "CloseRequest.h"
#include "HangWatchdog.h"
#include "ProgramOnX.h"
#include "ScreenPixels.h"

#include <QElapsedTimer>
#include <QtTest>

#include <map>

using namespace testing;
using namespace xtest;

namespace {

const QStringList kCasesOnX{
    QStringLiteral("items.txt missing"),
    QStringLiteral("items.txt a named pipe"),
    QStringLiteral("items.txt 1000 lines"),
    QStringLiteral("HAND-M.CUR a named pipe"),
    QStringLiteral("sound files garbage, a whole game"),
    QStringLiteral("read-only program folder"),
};
const QString kReportCaption = QStringLiteral("Application Error");
constexpr std::chrono::seconds kHangBound{120};
// Enough drops to show play goes on, dropped one after the other without waiting.
constexpr std::size_t kDropsOnX = 6;

// Answers each report box as it comes, one after the other; returns how many came.
int answerReports(ProgramOnX &x, qsizetype expected)
{
    int answered = 0;
    WindowId previous = 0;
    for (; answered < expected; ++answered) {
        const auto box = x.desktop.waitForWindow(x.program.pid(), kReportCaption,
                                                 [&](const XWindow &w) { return w.id != previous; });
        if (!box || !x.desktop.windows(x.program.pid(), kMainWindowTitle).isEmpty())
            break;
        if (!QTest::qWaitFor([&] { return x.desktop.focusedWindow() == box->id; }, 5000))
            break;
        x.desktop.pressKey(QStringLiteral("Return"));
        previous = box->id;
    }
    return answered;
}

// Each list entry dropped in `drops` as the last drop leaves it: placed, or still in the list.
std::map<int, bool> placedAfter(const std::vector<Drop> &drops)
{
    std::map<int, bool> placed;
    for (const Drop &drop : drops)
        placed[drop.entry] = drop.outcome == Drop::Placed;
    return placed;
}

bool listShows(const QImage &shot, const std::map<int, bool> &placed)
{
    return std::all_of(placed.begin(), placed.end(), [&](const auto &entry) {
        return (whitePixels(shot, listEntryBand(entry.first)) == 0) == entry.second;
    });
}

} // namespace

class BadFolderOnXTest : public QObject
{
    Q_OBJECT

private slots:
    void startsReportsAndPlaysOn_data()
    {
        QTest::addColumn<int>("index");
        const auto &cases = badFolderCases();
        for (int i = 0; i < int(cases.size()); ++i) {
            if (kCasesOnX.contains(cases[i].name))
                QTest::newRow(qPrintable(cases[i].name)) << i;
        }
    }

    void startsReportsAndPlaysOn()
    {
        QFETCH(int, index);
        const BadFolderCase &c = badFolderCases()[std::size_t(index)];
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        CaseFolder folder(x.program.folder().path());
        c.spoil(folder);
        if (QTest::currentTestFailed())
            return;
        const auto untouched = x.program.folder().checksums();

        HangWatchdog watchdog(c.name, kHangBound);
        QElapsedTimer clock;
        clock.start();
        x.program.start(x.desktop);
        const int reports = answerReports(x, c.reports.size());
        const std::optional<XWindow> window = x.program.waitForMainWindow(x.desktop);
        QVERIFY2(window, "no window");
        const bool reportTooMany = !x.desktop.windows(x.program.pid(), kReportCaption).isEmpty();

        const std::vector<Drop> drops(c.drops.begin(), c.drops.begin() + qMin(kDropsOnX, c.drops.size()));
        for (const Drop &drop : drops)
            x.desktop.drag(window->id, onListEntry(drop.entry), onHotspotOf(drop.country));
        const auto placed = placedAfter(drops);
        const bool dropsShown = bool(x.desktop.grabWhen(window->id, [&](const QImage &shot) { return listShows(shot, placed); }));
        QVERIFY(sendCloseRequest(x.desktop, window->id));
        const bool ended = x.program.endsCleanlyWithin(10000);
        const qint64 took = clock.elapsed();
        const auto after = x.program.folder().checksums();

        qInfo().noquote() << QStringLiteral("%1 | report boxes: %2 | %3 ms | files changed: %4")
                                 .arg(c.name)
                                 .arg(reports)
                                 .arg(took)
                                 .arg(after == untouched ? 0 : 1);
        QCOMPARE(reports, c.reports.size());
        QVERIFY2(!reportTooMany, "a report box too many");
        QVERIFY2(dropsShown, "the list does not show the drops");
        QVERIFY2(ended, "the program did not end cleanly at the close box");
        QCOMPARE(after, untouched);
    }
};

QTEST_GUILESS_MAIN(BadFolderOnXTest)
#include "BadFolderOnXTest.moc"
