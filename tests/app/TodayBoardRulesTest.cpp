// The board of Africa today as its rules judge it, with the country index built into
// the program: each country right on its own land, wrong on a neighbour's and on the
// sea, and the map complete at the last of its 55.
#include "ReadyBoard.h"

#include "app/startup/BoardChoice.h"
#include "quiz/CountryPlaces.h"
#include "quiz/DropRules.h"
#include "quiz/TodayBoardTables.h"

#include <QtTest>

using namespace quiz;
using testing::ReadyBoard;

namespace {

// A drop of list entry `source` at `p`, as the window makes it: on the drop target
// in front there, if any; else the name goes back to the list.
bool dropIsRight(ReadyBoard &b, int source, TwipPoint p)
{
    const BoardElement element = b.board.elementAt(p);
    return element.kind == ElementKind::DropTarget && b.dropOn(element.index, source) != DropOutcome::Wrong;
}

TwipPoint insideOf(int row) { return today::kCountries[std::size_t(row)].inside; }

// The country whose inside point lies nearest to row's: a neighbour, or for an island
// the nearest coast's country.
int nearestOther(int row)
{
    int nearest = -1;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int other = 0; other < today::kCountryCount; ++other) {
        const qint64 dx = insideOf(other).x - insideOf(row).x;
        const qint64 dy = insideOf(other).y - insideOf(row).y;
        if (other != row && dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = other;
        }
    }
    return nearest;
}

} // namespace

class TodayBoardRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCountryIsRightOnItsOwnLandOnlyAndTheLastCompletesTheMap()
    {
        ReadyBoard b{BoardLanguage(), app::loadBoard(u"today")};
        QCOMPARE(b.board.countryCount(), 55);
        // Open sea west of Angola, well away from every inset.
        const TwipPoint sea{60 * kTwipsPerPixel, 560 * kTwipsPerPixel};
        QCOMPARE(countryAt(b.board, sea), std::nullopt);
        const CountryPlaces places(b.board);
        for (int row = 0; row < today::kCountryCount; ++row) {
            const QString name = b.board.labels(row).caption;
            QCOMPARE(countryAt(b.board, insideOf(row)), std::optional(row));
            const int neighbour = places.neighbours(row).empty() ? nearestOther(row) : places.neighbours(row).front();
            QVERIFY2(!dropIsRight(b, row, insideOf(neighbour)), qPrintable(name + QStringLiteral(" on ") + b.board.labels(neighbour).caption));
            QVERIFY2(!dropIsRight(b, row, sea), qPrintable(name));
            QVERIFY(b.board.labels(row).visible);
        }
        for (int row = 0; row < today::kCountryCount; ++row) {
            QVERIFY2(dropIsRight(b, row, insideOf(row)), qPrintable(b.board.labels(row).caption));
            QCOMPARE(b.outside.boxes.shown.size(), std::size_t(row == today::kCountryCount - 1));
        }
        QCOMPARE(b.outside.boxes.shown.front().text, completedMapBox().text);
        QVERIFY(b.outside.sound.played.endsWith(b.soundFile(shell::files::kCompleteSound)));
    }
};

QTEST_MAIN(TodayBoardRulesTest)
#include "TodayBoardRulesTest.moc"
