// The rules of the game on the board model alone: judging drops, placing names,
// completing the map and starting again.
#include "ReadyBoard.h"

#include "quiz/BoardTables.h"
#include "quiz/DragSession.h"
#include "quiz/DropRules.h"
#include "quiz/NewGame.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QtTest>

using namespace quiz;
using testing::ReadyBoard;

namespace {

TwipPoint onListEntry(int k)
{
    const TwipRect r = listEntryRect(k);
    return {r.left + 30, r.top + 30};
}

int firstHotspotOf(int row)
{
    for (int i = 0; i < kHotspotCount; ++i) {
        if (kHotspots[i].tag == kCountryNames[row])
            return i;
    }
    return -1;
}

void dragAndDrop(ReadyBoard &b, int entry, TwipPoint to, bool insideWindow = true)
{
    DragSession drag(b.quiz);
    QVERIFY(drag.press(onListEntry(entry)));
    drag.move(to);
    // The map's completion follows its result, as in play.
    if (drag.release(to, insideWindow) == DropOutcome::Completed)
        completeMap(b.quiz);
}

void writeList(testing::ProgramFolderFixture &folder, const QString &firstLine)
{
    QByteArray list = firstLine.toLatin1() + "\r\n";
    for (int k = 1; k < kCountryCount; ++k)
        list += kCountryNames[k].toString().toLatin1() + "\r\n";
    folder.write(QStringLiteral("items.txt"), list);
}

} // namespace

class QuizRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void boardAsLaidOutBeforeSetUp()
    {
        const Board board;
        for (int k = 0; k < kListEntryCount; ++k) {
            QCOMPARE(board.labels(k).caption, QStringLiteral("Label3"));
            QVERIFY(board.labels(k).tag.isEmpty());
            QCOMPARE(board.maplabel(k).caption, QStringLiteral("*************"));
            QVERIFY(!board.maplabel(k).visible);
        }
        QVERIFY(board.shape(0).visible && board.lineVisible(15));
        QCOMPARE(board.dropTargetOrder(), std::vector<int>{0});
        QCOMPARE(board.piccoor(0).rect.left, 14130);
        QCOMPARE(board.elementAt({14200, 8000}), (BoardElement{ElementKind::DropTarget, 0}));
        QVERIFY_THROWS_EXCEPTION(shell::Failure, board.piccoor(1));
        QVERIFY_THROWS_EXCEPTION(shell::Failure, board.labels(48));
        QVERIFY_THROWS_EXCEPTION(shell::Failure, board.lineVisible(16));
    }

    void setUpLeavesTheBoardReadyToPlay()
    {
        ReadyBoard b;
        QCOMPARE(b.outside.boxes.shown.size(), 0u);
        QCOMPARE(b.board.placedCount(), 0);
        for (int i = 0; i < kHotspotCount; ++i) {
            QVERIFY(!b.board.shape(i).visible);
            QCOMPARE(b.board.piccoor(i).rect.left, kHotspots[i].rect.left);
            QCOMPARE(b.board.piccoor(i).rect.height, kHotspots[i].rect.height);
            QCOMPARE(b.board.piccoor(i).tag, kHotspots[i].tag.toString());
            QVERIFY(b.board.piccoor(i).visible);
        }
        std::vector<int> ascending(kHotspotCount);
        std::iota(ascending.begin(), ascending.end(), 0);
        QCOMPARE(b.board.dropTargetOrder(), ascending);
        for (int k = 0; k < kCountryCount; ++k) {
            QCOMPARE(b.board.labels(k).caption, kCountryNames[k].toString());
            QVERIFY(b.board.labels(k).visible);
            QVERIFY(!b.board.maplabel(k).visible);
        }
        for (int n = 1; n <= kLeaderLineCount; ++n)
            QVERIFY(!b.board.lineVisible(n));
    }

    void everyHotspotTakesItsOwnName()
    {
        ReadyBoard b;
        for (int i = 0; i < kHotspotCount; ++i) {
            const int row = int(std::find(kCountryNames.begin(), kCountryNames.end(), kHotspots[i].tag)
                                - kCountryNames.begin());
            dragAndDrop(b, row, testing::pointOnHotspot(i));
            QVERIFY2(!b.board.labels(row).visible, qPrintable(QString::number(i)));
            QCOMPARE(b.outside.sound.played.last(), b.soundFile(shell::files::kCorrectSound));
            cmdNewGame_Click(b.board, b.outside.boxes);
        }
        QCOMPARE(b.outside.boxes.shown.size(), 0u);
    }

    void rightDropPlacesNameInBoldWithItsLine()
    {
        ReadyBoard b;
        const int benin = 2;
        dragAndDrop(b, benin, testing::pointOnHotspot(firstHotspotOf(benin)));
        QVERIFY(!b.board.labels(benin).visible);
        QCOMPARE(b.board.maplabel(benin).caption, QStringLiteral("Benin"));
        QVERIFY(b.board.maplabel(benin).bold);
        QVERIFY(b.board.maplabel(benin).visible);
        QVERIFY(b.board.lineVisible(1));
        for (int n = 2; n <= kLeaderLineCount; ++n)
            QVERIFY(!b.board.lineVisible(n));
        QCOMPARE(b.board.placedCount(), 1);
        QCOMPARE(b.outside.sound.played, QStringList{b.soundFile(shell::files::kCorrectSound)});
    }

    void wrongDropLeavesEverythingButTheSound()
    {
        ReadyBoard b;
        dragAndDrop(b, 0, testing::pointOnHotspot(firstHotspotOf(1)));
        QVERIFY(b.board.labels(0).visible);
        QVERIFY(!b.board.maplabel(0).visible);
        QCOMPARE(b.board.placedCount(), 0);
        QCOMPARE(b.outside.sound.played, QStringList{b.soundFile(shell::files::kWrongSound)});
    }

    void namesAreComparedWithOnlySpacesTrimmed_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("slotCaption");
        QTest::newRow("spaces around") << QStringLiteral("  Algeria  ") << true << QStringLiteral("  Algeria  ");
        QTest::newRow("letter case") << QStringLiteral("algeria") << false << QString();
        QTest::newRow("tab") << QStringLiteral("Algeria\t") << false << QString();
        QTest::newRow("comma") << QStringLiteral("Algeria,Al Jaza'ir") << false << QString();
    }

    void namesAreComparedWithOnlySpacesTrimmed()
    {
        QFETCH(QString, line);
        QFETCH(bool, right);
        QFETCH(QString, slotCaption);
        ReadyBoard b([&](auto &folder) { writeList(folder, line); });
        QCOMPARE(b.board.labels(0).tag, line);
        dragAndDrop(b, 0, testing::pointOnHotspot(0));
        QCOMPARE(b.board.labels(0).visible, !right);
        QCOMPARE(b.board.placedCount(), right ? 1 : 0);
        if (right)
            QCOMPARE(b.board.maplabel(0).caption, slotCaption);
    }

    void plainOIsNotTheCircumflex()
    {
        ReadyBoard b([](auto &folder) {
            QByteArray list;
            for (int k = 0; k < kCountryCount; ++k)
                list += (k == 10 ? QByteArray("Cote d'Ivoire") : kCountryNames[k].toString().toLatin1()) + "\r\n";
            folder.write(QStringLiteral("items.txt"), list);
        });
        dragAndDrop(b, 10, testing::pointOnHotspot(49));
        QVERIFY(b.board.labels(10).visible);
        QCOMPARE(b.outside.sound.played.last(), b.soundFile(shell::files::kWrongSound));
    }

    void leaderLineNeedsTheExactTag()
    {
        // " Benin" is placed (spaces are trimmed) but its line stays hidden.
        ReadyBoard b([](auto &folder) {
            QByteArray list;
            for (int k = 0; k < kCountryCount; ++k)
                list += (k == 2 ? QByteArray(" Benin") : kCountryNames[k].toString().toLatin1()) + "\r\n";
            folder.write(QStringLiteral("items.txt"), list);
        });
        dragAndDrop(b, 2, testing::pointOnHotspot(11));
        QVERIFY(!b.board.labels(2).visible);
        QCOMPARE(b.board.maplabel(2).caption, QStringLiteral(" Benin"));
        QVERIFY(!b.board.lineVisible(1));
    }

    void overlapsGoToTheHigherIndex_data()
    {
        QTest::addColumn<int>("behind");
        QTest::addColumn<int>("front");
        QTest::newRow("Algeria under Tunisia") << 6 << 145;
        QTest::newRow("Congo DR under Uganda") << 46 << 146;
        QTest::newRow("Congo DR under Rwanda") << 47 << 112;
        QTest::newRow("Mauritania under Western Sahara") << 93 << 155;
        QTest::newRow("Morocco under Western Sahara") << 96 << 154;
    }

    void overlapsGoToTheHigherIndex()
    {
        QFETCH(int, behind);
        QFETCH(int, front);
        ReadyBoard b;
        const TwipPoint p = testing::sharedPoint(kHotspots[behind].rect, kHotspots[front].rect);
        QVERIFY(kHotspots[behind].rect.contains(p));
        QCOMPARE(b.board.elementAt(p), (BoardElement{ElementKind::DropTarget, front}));
    }

    void pressPicksTheFrontEntryAndSkipsHiddenOnes()
    {
        ReadyBoard b;
        const TwipPoint overlapOf3And4{listEntryRect(4).left + 30, listEntryRect(4).top + 20};
        QVERIFY(listEntryRect(3).contains(overlapOf3And4));
        QCOMPARE(b.board.elementAt(overlapOf3And4), (BoardElement{ElementKind::ListEntry, 4}));
        b.board.labels(4).visible = false;
        QCOMPARE(b.board.elementAt(overlapOf3And4), (BoardElement{ElementKind::ListEntry, 3}));
        b.board.labels(3).visible = false;
        const TwipPoint onlyOn3{listEntryRect(3).left + 30, listEntryRect(3).top + 120};
        DragSession drag(b.quiz);
        QVERIFY(!drag.press(onlyOn3));
    }

    void dropsAwayFromHotspotsChangeNothing_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("sea") << 8000 << 10000 << true;
        QTest::newRow("side panel") << 14000 << 8500 << true;
        QTest::newRow("Restart button") << 9000 << 9700 << true;
        QTest::newRow("Djibouti's slot") << 7700 << 3500 << true;
        QTest::newRow("off the window") << 20000 << 5000 << false;
        QTest::newRow("own name") << 8790 << 1470 << true;
        QTest::newRow("another name") << 12480 << 1470 << true;
    }

    void dropsAwayFromHotspotsChangeNothing()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, inside);
        ReadyBoard b;
        b.board.maplabel(12).visible = true; // a slot outside every hotspot
        dragAndDrop(b, 0, {x, y}, inside);
        QVERIFY(b.board.labels(0).visible);
        QCOMPARE(b.board.placedCount(), 0);
        QVERIFY(b.outside.sound.played.isEmpty());
        QVERIFY(b.outside.boxes.shown.empty());
    }

    void dragShowsThePushPinFromItsStart()
    {
        ReadyBoard b;
        DragSession drag(b.quiz);
        QVERIFY(!b.board.labels(5).hasDragIcon);
        QVERIFY(drag.press(onListEntry(5)));
        QVERIFY(b.board.labels(5).hasDragIcon);
        QVERIFY(!drag.press(onListEntry(6))); // one drag at a time
        QCOMPARE(drag.source(), std::optional<int>(5));
    }

    void failedComparisonCountsAsRight()
    {
        // A drop target that does not exist fails the comparison; the right branch runs.
        ReadyBoard b;
        piccoor_DragDrop(b.quiz, 200, 0);
        QCOMPARE(b.reportLines(), QList<int>{106});
        QVERIFY(b.outside.boxes.shown[0].text.contains(QStringLiteral("Form1.piccoor_DragDrop ")));
        QVERIFY(!b.board.labels(0).visible);
        QCOMPARE(b.board.placedCount(), 1);
    }

    void fortyEighthRightDropCompletesTheMap()
    {
        ReadyBoard b;
        QCoreApplication::setApplicationName(QStringLiteral("Quillmere"));
        int placedWhileOpen = -1;
        bool listEmptyWhileOpen = false;
        b.outside.boxes.whileOpen = [&](const shell::BoxRequest &) {
            placedWhileOpen = b.board.placedCount();
            listEmptyWhileOpen = true;
            for (int k = 0; k < kCountryCount; ++k)
                listEmptyWhileOpen = listEmptyWhileOpen && !b.board.labels(k).visible;
        };
        for (int row = 0; row < kCountryCount; ++row)
            dragAndDrop(b, row, testing::pointOnHotspot(firstHotspotOf(row)));
        QCOMPARE(b.outside.boxes.shown.size(), 1u);
        const shell::BoxRequest &box = b.outside.boxes.shown[0];
        QCOMPARE(box.text, QStringLiteral("CONGRATULATIONS! THE MAP IS COMPLETE!"));
        QCOMPARE(box.caption, QStringLiteral("Quillmere"));
        QCOMPARE(box.icon, shell::BoxRequest::Icon::None);
        QCOMPARE(placedWhileOpen, 48);
        QVERIFY(listEmptyWhileOpen);
        QCOMPARE(b.outside.sound.played.size(), 49);
        QCOMPARE(b.outside.sound.played.mid(46), (QStringList{b.soundFile(shell::files::kCorrectSound),
                                                              b.soundFile(shell::files::kCorrectSound),
                                                              b.soundFile(shell::files::kCompleteSound)}));
        // After the box a new game has begun.
        QCOMPARE(b.board.placedCount(), 0);
        for (int k = 0; k < kCountryCount; ++k) {
            QVERIFY(b.board.labels(k).visible);
            QVERIFY(!b.board.maplabel(k).visible);
        }
        for (int n = 1; n <= kLeaderLineCount; ++n)
            QVERIFY(!b.board.lineVisible(n));
    }

    void namesKeptFromAReloadArePlacedAgainUnheard()
    {
        ReadyBoard b([](testing::ProgramFolderFixture &folder) { writeList(folder, QStringLiteral("Atlantis")); });
        const int gambia = 17;
        // Only names of the board still in the list, each once: not Atlantis, nor one out of range.
        placeAgain(b.quiz, {gambia, 0, -1, 48, 13, gambia});
        placeAgain(b.quiz, {gambia});
        QCOMPARE(b.board.placedCount(), 2);
        QVERIFY(b.board.labels(0).visible);
        QVERIFY(!b.board.labels(gambia).visible && b.board.maplabel(gambia).visible && b.board.maplabel(gambia).bold);
        QCOMPARE(b.board.maplabel(gambia).caption, QStringLiteral("Gambia"));
        QVERIFY(b.board.lineVisible(6));
        QVERIFY(b.outside.sound.played.isEmpty());
        // Never the whole map, which would be complete without its box.
        ReadyBoard full([](testing::ProgramFolderFixture &folder) { writeList(folder, QStringLiteral("Algeria")); });
        QList<int> every;
        for (int k = 0; k < kCountryCount; ++k)
            every.append(k);
        placeAgain(full.quiz, every);
        QCOMPARE(full.board.placedCount(), 0);
        QVERIFY(full.board.labels(47).visible);
    }

    void restartMidGameStartsCountingAgain()
    {
        ReadyBoard b;
        for (int row : {2, 13, 40})
            dragAndDrop(b, row, testing::pointOnHotspot(firstHotspotOf(row)));
        QCOMPARE(b.board.placedCount(), 3);
        cmdNewGame_Click(b.board, b.outside.boxes);
        QCOMPARE(b.board.placedCount(), 0);
        QVERIFY(b.board.labels(13).visible);
        QVERIFY(!b.board.maplabel(13).visible);
        QVERIFY(!b.board.lineVisible(14));
        // The slot keeps its caption while hidden and shows it again in bold when placed anew.
        QCOMPARE(b.board.maplabel(13).caption, QStringLiteral("Egypt"));
        dragAndDrop(b, 13, testing::pointOnHotspot(51));
        QCOMPARE(b.board.placedCount(), 1);
        QVERIFY(b.board.maplabel(13).visible && b.board.maplabel(13).bold);
        QCOMPARE(b.outside.boxes.shown.size(), 0u);
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "QuizRulesTest.moc"
