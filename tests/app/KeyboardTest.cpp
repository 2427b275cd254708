// Keyboard play on the real window, offscreen: the focus among the names, drops
// from the keyboard judged as the mouse's are, a whole game without a pointer, and
// marks that never show to a mouse player.
#include "KeysOnWindow.h"
#include "MouseOnWindow.h"
#include "ReadyBoard.h"
#include "ShownWindow.h"

#include "app/window/KeyboardMarks.h"
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace quiz;
using testing::ShownWindow;

namespace {

void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void typeLetter(char letter)
{
    QTest::keyClick(QApplication::focusWidget(), letter);
}

// The list of names, where the focus starts, in the active window.
void onTheNames(ShownWindow &w)
{
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QCOMPARE(QApplication::focusWidget(), &w.form.nameList());
}

// Angola, the second name, picked up by the keys; then the window loses the focus.
void pickAngolaThenLoseTheWindow(ShownWindow &w)
{
    onTheNames(w);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&w.form, &deactivate);
}

// Picks up the focused name, steers the drop point to `to` and drops it there.
void dropWithKeys(ShownWindow &w, TwipPoint to)
{
    key(Qt::Key_Return);
    QVERIFY(w.form.session().carried());
    testing::steerDropPoint(w.form.nameList(), w.form.session().dropPoint(), to);
    QCOMPARE(w.form.session().dropPoint(), to);
    key(Qt::Key_Return);
}

QPoint pixelAt(TwipPoint p)
{
    return {p.x / kTwipsPerPixel, p.y / kTwipsPerPixel};
}

// Everything a player can see of the board, in words.
QStringList look(const Board &board)
{
    QStringList seen{QStringLiteral("placed %1").arg(board.placedCount())};
    for (int k = 0; k < kListEntryCount; ++k) {
        if (board.labels(k).visible)
            seen << QStringLiteral("list %1").arg(k);
        if (board.maplabel(k).visible)
            seen << QStringLiteral("slot %1 %2 %3").arg(k).arg(board.maplabel(k).caption).arg(board.maplabel(k).bold);
    }
    for (int n = 1; n <= kLeaderLineCount; ++n) {
        if (board.lineVisible(n))
            seen << QStringLiteral("line %1").arg(n);
    }
    return seen;
}

// The sounds asked for, by their names in the program folder.
QStringList soundsOf(const ShownWindow &w)
{
    QStringList sounds = w.outside.sound.played;
    return sounds.replaceInStrings(w.folder.path(), QString());
}

QStringList boxTexts(const ShownWindow &w)
{
    QStringList texts;
    for (const shell::BoxRequest &box : w.outside.boxes.shown)
        texts << box.text;
    return texts;
}

double luminance(QColor c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void keysMoveTheFocusAmongTheNamesStillInTheList()
    {
        ShownWindow w;
        w.drag(testing::pixelsOnListEntry(1), testing::pixelsOnCountry(1)); // Angola leaves the list
        onTheNames(w);
        const std::pair<std::function<void()>, int> steps[] = {
            {[] {}, 0},
            {[] { key(Qt::Key_Down); }, 2},
            {[] { key(Qt::Key_Up); }, 0},
            {[] { key(Qt::Key_Up); }, 0},
            {[] { key(Qt::Key_End); }, 47},
            {[] { key(Qt::Key_Down); }, 47},
            {[] { key(Qt::Key_Home); }, 0},
            {[] { key(Qt::Key_Right); }, 27},
            {[] { key(Qt::Key_Left); }, 0},
            {[] { typeLetter('S'); }, 35},
            {[] { typeLetter('s'); }, 36},
            {[] { typeLetter('S'); }, 37},
            {[] { typeLetter('A'); }, 0},
            {[] { typeLetter('A'); }, 0}, // Angola is on the map: Algeria is the only A
            {[] { typeLetter('M'); }, 25},
            {[] { key(Qt::Key_Up); key(Qt::Key_Right); }, 47}, // row 25 has no right neighbour: the nearest
        };
        for (const auto &[step, focused] : steps) {
            step();
            QCOMPARE(w.form.session().focusedEntry(), focused);
        }
        QVERIFY(!w.form.session().carried());
        QCOMPARE(w.outside.sound.played.size(), 1);
    }

    // A key of the list that has nothing to do says why.
    void keysThatDoNothingSaySo()
    {
        ShownWindow w;
        onTheNames(w);
        const QString carried = QStringLiteral("Mali is carried: the arrow keys move it, Enter drops it, Escape puts it back.");
        const std::pair<std::function<void()>, QString> steps[] = {
            {[] { key(Qt::Key_Escape); }, QStringLiteral("No name is carried: Enter picks up the focused name.")},
            {[] { key(Qt::Key_Left); }, QStringLiteral("No names to the left")},
            {[] { key(Qt::Key_Right); key(Qt::Key_Right); }, QStringLiteral("No names to the right")},
            {[] { key(Qt::Key_Return); key(Qt::Key_Home); }, carried},
            {[] { typeLetter('k'); }, carried},
        };
        for (const auto &[step, said] : steps) {
            step();
            QCOMPARE(w.outside.announcer.last(), said);
        }
    }

    // The same point, reached by the drop point or by the pointer, gives the same
    // board, sounds and boxes; the keyboard's drop is said, even where nothing takes it.
    void keyboardAndPointerDropsAtTheSamePointAgree_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("placedBefore");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<int>("focusAfter"); // a right drop moves on to the next name
        QTest::newRow("right") << 13 << 13 << 0 << QStringLiteral("Egypt placed. 1 of 48.") << 14;
        // The focus, back on the name, says it.
        QTest::newRow("wrong") << 21 << 13 << 0 << QStringLiteral("Not there: on a country not yet named.") << 21;
        QTest::newRow("the sea") << 21 << -1 << 0 << QStringLiteral("Not there: in the sea.") << 21;
        QTest::newRow("the last name") << 47 << 47 << 47 << QStringLiteral("New game. 48 names in the list.") << 0;
    }

    void keyboardAndPointerDropsAtTheSamePointAgree()
    {
        QFETCH(int, entry);
        QFETCH(int, country);
        QFETCH(int, placedBefore);
        QFETCH(QString, spoken);
        QFETCH(int, focusAfter);
        ShownWindow byKeys;
        ShownWindow byPointer;
        for (ShownWindow *w : {&byKeys, &byPointer}) {
            for (int k = 0; k < placedBefore; ++k)
                w->drag(testing::pixelsOnListEntry(k), testing::pixelsOnCountry(k));
        }
        onTheNames(byKeys);
        byKeys.form.session().pickUp(entry);
        const TwipPoint from = byKeys.form.session().dropPoint();
        const TwipPoint at = testing::reachablePointOnCountry(country, from);
        testing::steerDropPoint(byKeys.form.nameList(), from, at);
        key(Qt::Key_Return);
        byPointer.drag(testing::pixelsOnListEntry(entry), pixelAt(at));

        QCOMPARE(look(byKeys.form.board()), look(byPointer.form.board()));
        QCOMPARE(soundsOf(byKeys), soundsOf(byPointer));
        QCOMPARE(boxTexts(byKeys), boxTexts(byPointer));
        QCOMPARE(byKeys.outside.announcer.last(), spoken);
        QCOMPARE(byKeys.form.session().focusedEntry(), focusAfter);
        QCOMPARE(byKeys.form.session().dropPoint(), at);
    }

    // Each result is said once, the last one before the box; the new game after it
    // begins on the first name.
    void wholeGameIsPlayedFromTheKeyboardAlone()
    {
        ShownWindow w;
        QStringList saidBeforeBox;
        w.outside.boxes.whileOpen = [&](const shell::BoxRequest &) { saidBeforeBox = w.outside.announcer.said; };
        onTheNames(w);
        for (int k = 0; k < kCountryCount; ++k) {
            QCOMPARE(w.form.session().focusedEntry(), k);
            dropWithKeys(w, testing::reachablePointOnCountry(k, w.form.session().dropPoint()));
            if (k < kCountryCount - 1)
                QCOMPARE(w.outside.announcer.last(), QStringLiteral("%1 placed. %2 of 48.").arg(kCountryNames[k]).arg(k + 1));
        }
        QCOMPARE(QApplication::focusWidget(), &w.form.nameList());
        QCOMPARE(boxTexts(w), QStringList{QStringLiteral("CONGRATULATIONS! THE MAP IS COMPLETE!")});
        QCOMPARE(w.outside.sound.played.size(), kCountryCount + 1);
        QVERIFY(w.outside.sound.played.last().endsWith(QStringLiteral("/sounds/complete.wma")));
        QCOMPARE(look(w.form.board()), look(ShownWindow().form.board()));
        QCOMPARE(saidBeforeBox.filter(QStringLiteral(" placed. ")).size(), kCountryCount);
        QCOMPARE(saidBeforeBox.last(), QStringLiteral("Zimbabwe placed. 48 of 48."));
        QCOMPARE(w.outside.announcer.said.mid(saidBeforeBox.size()), QStringList{QStringLiteral("New game. 48 names in the list.")});
        QCOMPARE(w.form.session().focusedEntry(), 0);
    }

    void escapeOrTabPutsTheNameBackAndChangesNothing()
    {
        ShownWindow w;
        const QStringList before = look(w.form.board());
        onTheNames(w);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        key(Qt::Key_Right, Qt::ShiftModifier);
        const TwipPoint steered = w.form.session().dropPoint();
        key(Qt::Key_Escape);
        QVERIFY(!w.form.session().carried());
        QVERIFY(!w.form.session().picked());
        QCOMPARE(w.outside.announcer.last(), QStringLiteral("Angola put back."));
        QCOMPARE(w.form.session().focusedEntry(), 1);
        QCOMPARE(w.form.session().dropPoint(), steered);

        key(Qt::Key_Return);
        key(Qt::Key_Tab);
        QVERIFY(!w.form.session().carried());
        QCOMPARE(QApplication::focusWidget(), &w.form.pushButton1());
        QCOMPARE(look(w.form.board()), before);
        QVERIFY(w.outside.sound.played.isEmpty());
        QVERIFY(w.outside.boxes.shown.empty());
    }

    // The window losing the mouse ends the drag, and with it the keyboard's carry: a
    // drag the mouse begins later is the mouse's own.
    void aCarryEndsWithItsDrag()
    {
        ShownWindow w;
        pickAngolaThenLoseTheWindow(w);
        QVERIFY(!w.form.session().carried());
        QTest::mousePress(&w.form, Qt::LeftButton, {}, testing::pixelsOnListEntry(5));
        QVERIFY(!w.form.session().carried());
        key(Qt::Key_Return); // the mouse's drag goes on: nothing to drop, nothing to pick up
        QCOMPARE(w.form.session().picked(), std::optional<int>(5));
        QTest::mouseRelease(&w.form, Qt::LeftButton, {}, testing::pixelsOnCountry(5));
        QCOMPARE(w.outside.announcer.last(), QStringLiteral("Burundi placed. 1 of 48."));
    }

    // A pick the keys lost with the window's focus is over: a later drag of the same
    // name by the mouse is the mouse's alone, whatever key comes meanwhile, and its
    // pointer goes when it ends.
    void aLostPickNeverTakesOverAPointerDrag_data()
    {
        QTest::addColumn<Qt::Key>("meanwhile");
        QTest::newRow("Escape") << Qt::Key_Escape;
        QTest::newRow("Return") << Qt::Key_Return;
    }

    void aLostPickNeverTakesOverAPointerDrag()
    {
        QFETCH(Qt::Key, meanwhile);
        ShownWindow w;
        pickAngolaThenLoseTheWindow(w);
        QTest::mousePress(&w.form, Qt::LeftButton, {}, testing::pixelsOnListEntry(1));
        QVERIFY(QGuiApplication::overrideCursor());
        key(meanwhile);
        QTest::mouseRelease(&w.form, Qt::LeftButton, {}, testing::pixelsOnCountry(1));
        QCOMPARE(w.outside.announcer.said.mid(1).filter(QStringLiteral("Angola")),
                 (QStringList{QStringLiteral("Angola put back."), QStringLiteral("Angola placed. 1 of 48.")}));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A key held down repeats: the first Return picks the name up, the repeats neither
    // drop it nor pick it up again; the arrow keys' repeats still steer.
    void aHeldKeyPicksOnceAndNeverDrops()
    {
        ShownWindow w;
        onTheNames(w);
        auto held = [](Qt::Key key) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(QApplication::focusWidget(), &repeat);
        };
        key(Qt::Key_Return);
        for (int i = 0; i < 10; ++i)
            held(Qt::Key_Return);
        QCOMPARE(w.form.session().carried(), std::optional<int>(0));
        const TwipPoint from = w.form.session().dropPoint();
        held(Qt::Key_Right);
        QCOMPARE(w.form.session().dropPoint().x, from.x + kSmallDropStep);
        held(Qt::Key_Escape);
        QVERIFY(w.form.session().carried());
        QVERIFY(w.outside.sound.played.isEmpty());
    }

    void returnPressesTheFocusedButton()
    {
        ShownWindow w;
        w.drag(testing::pixelsOnListEntry(13), testing::pixelsOnCountry(13));
        onTheNames(w);
        key(Qt::Key_Tab);
        key(Qt::Key_Return);
        QCOMPARE(w.form.board().placedCount(), 0);
        QCOMPARE(w.outside.announcer.last(), QStringLiteral("New game. 48 names in the list."));
        // The new game begins on the first name, not one key away from Exit.
        QCOMPARE(QApplication::focusWidget(), &w.form.nameList());
        QCOMPARE(w.form.session().focusedEntry(), 0);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &w.form.pushButton2());
        key(Qt::Key_Enter);
        QVERIFY(!w.form.isVisible());
    }

    // A mouse player sees the board as it always was: the marks come with the first
    // key and go with the next press of a mouse button.
    void marksShowOnlyWhileTheKeyboardIsInUse()
    {
        ShownWindow w;
        const QImage untouched = w.fullPaint();
        w.form.nameList().setFocus();
        QCOMPARE(w.fullPaint(), untouched);

        onTheNames(w);
        key(Qt::Key_Home);
        const QImage marked = w.fullPaint();
        QVERIFY(marked != untouched);
        // The band behind the focused name stands out from the panel beside it.
        const QRect entry = QRectF(listEntryRect(0).toPixels()).toAlignedRect();
        QCOMPARE(QColor(marked.pixel(entry.topLeft() + QPoint(0, 4))), app::KeyboardMarks::kRingColour);
        const QColor panel(marked.pixel(entry.topRight() + QPoint(-10, 4)));
        QVERIFY2(contrast(app::KeyboardMarks::kRingColour, panel) >= 3, qPrintable(panel.name()));

        key(Qt::Key_Tab);
        const QRect button = w.form.pushButton1().geometry();
        QCOMPARE(QColor(w.fullPaint().pixel(button.topLeft() - QPoint(2, 2))), app::KeyboardMarks::kRingColour);

        key(Qt::Key_Backtab);
        QTest::mouseClick(&w.form, Qt::LeftButton, {}, QPoint(40, 600)); // the sea: nothing happens
        QCOMPARE(w.fullPaint(), untouched);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
