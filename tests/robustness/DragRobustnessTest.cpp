// Rough play on the real window, offscreen, with input as the platform delivers it:
// drags cut short or crossed by other input, a modal box, a restart mid-drag and
// drops in quick succession. None may leave the board inconsistent.
#include "BoardInvariants.h"
#include "MouseOnWindow.h"
#include "ProgramFolderFixture.h"
#include "QuizWindow.h"

#include "outside/qt/QtPlatform.h"
#include "quiz/BoardTables.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace testing;

namespace {

// The window as the platform sees it: input sent here passes the modality checks
// that input sent straight to a widget would skip.
QWindow *platformWindow(QuizWindow &w)
{
    return w.form().windowHandle();
}

void dragOnPlatform(QuizWindow &w, QPoint from, QPoint to)
{
    QTest::mousePress(platformWindow(w), Qt::LeftButton, {}, from);
    QTest::mouseMove(platformWindow(w), (from + to) / 2);
    QTest::mouseMove(platformWindow(w), to);
    QTest::mouseRelease(platformWindow(w), Qt::LeftButton, {}, to);
}

void verifyConsistent(QuizWindow &w)
{
    const QStringList problems = boardInconsistencies(w.board());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"; ")));
    if (!w.form().session().picked())
        QVERIFY2(!QGuiApplication::overrideCursor(), "the drag pointer outlived the drag");
}

// Runs `handle` once a message box is open: input events may run timers before the box appears.
void whenABoxOpens(QTimer &poll, std::function<void(QMessageBox *)> handle)
{
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&poll, handle] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            poll.stop();
            handle(box);
        }
    });
    poll.start();
}

QPoint centreOf(const QWidget &child)
{
    return child.geometry().center();
}

} // namespace

class DragRobustnessTest : public QObject
{
    Q_OBJECT

    ProgramFolderFixture m_folder;

private slots:
    void dragsReleasedOffTheWindowDropNothing_data()
    {
        QTest::addColumn<QPoint>("release");
        QTest::newRow("left of it") << QPoint(-3, 300);
        QTest::newRow("above it") << QPoint(300, -3);
        QTest::newRow("right of it") << QPoint(1002, 300);
        QTest::newRow("below it") << QPoint(300, 709);
        QTest::newRow("far away") << QPoint(-4000, 9000);
    }

    void dragsReleasedOffTheWindowDropNothing()
    {
        QFETCH(QPoint, release);
        QuizWindow w(m_folder.path());
        const int benin = 2;
        // Over the right country on the way out: only where the button is released counts.
        QTest::mousePress(platformWindow(w), Qt::LeftButton, {}, pixelsOnListEntry(benin));
        QTest::mouseMove(platformWindow(w), pixelsOnCountry(benin));
        QTest::mouseMove(platformWindow(w), release);
        QTest::mouseRelease(platformWindow(w), Qt::LeftButton, {}, release);
        QVERIFY(!w.form().session().picked());
        QVERIFY(w.board().labels(benin).visible);
        QVERIFY(w.sound().played().isEmpty());
        verifyConsistent(w);
    }

    void secondPressDuringADragIsIgnored()
    {
        QuizWindow w(m_folder.path());
        QTest::mousePress(platformWindow(w), Qt::LeftButton, {}, pixelsOnListEntry(3));
        // A second device pressing elsewhere: the first drag goes on.
        QTest::mousePress(&w.form(), Qt::LeftButton, {}, pixelsOnListEntry(4));
        verifyConsistent(w);
        QCOMPARE(w.form().session().picked(), std::optional<int>(3));
        QTest::mouseRelease(platformWindow(w), Qt::LeftButton, {}, pixelsOnCountry(3));
        QVERIFY(!w.board().labels(3).visible);
        QVERIFY(w.board().labels(4).visible);
        QCOMPARE(w.board().placedCount(), 1);
        verifyConsistent(w);
    }

    void anotherWindowTakingTheFocusEndsTheDrag()
    {
        QuizWindow w(m_folder.path());
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        QTest::mousePress(platformWindow(w), Qt::LeftButton, {}, pixelsOnListEntry(6));
        QTest::mouseMove(platformWindow(w), pixelsOnCountry(6));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!w.form().session().picked());
        verifyConsistent(w);
        QTest::mouseRelease(platformWindow(w), Qt::LeftButton, {}, pixelsOnCountry(6));
        QVERIFY(w.board().labels(6).visible);
        QVERIFY(w.sound().played().isEmpty());
        // Back in the window, dragging works as before.
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        dragOnPlatform(w, pixelsOnListEntry(6), pixelsOnCountry(6));
        QVERIFY(!w.board().labels(6).visible);
        verifyConsistent(w);
    }

    void restartByKeyboardDuringADrag()
    {
        QuizWindow w(m_folder.path());
        for (int k = 0; k < 3; ++k)
            dragOnPlatform(w, pixelsOnListEntry(k), pixelsOnCountry(k));
        QCOMPARE(w.board().placedCount(), 3);
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));

        QTest::mousePress(platformWindow(w), Qt::LeftButton, {}, pixelsOnListEntry(5));
        // On the list of names, whose keys cannot pick a name while the mouse drags one.
        QTest::keyClick(platformWindow(w), Qt::Key_Return);
        QCOMPARE(w.form().session().picked(), std::optional<int>(5));
        QTest::keyClick(platformWindow(w), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &w.form().pushButton1());
        QTest::keyClick(platformWindow(w), Qt::Key_Space);
        QCOMPARE(w.board().placedCount(), 0);
        QVERIFY(w.board().labels(0).visible);
        QCOMPARE(w.form().session().picked(), std::optional<int>(5));
        verifyConsistent(w);

        QTest::mouseMove(platformWindow(w), pixelsOnCountry(5));
        QTest::mouseRelease(platformWindow(w), Qt::LeftButton, {}, pixelsOnCountry(5));
        QVERIFY(!w.board().labels(5).visible);
        QCOMPARE(w.board().placedCount(), 1);
        verifyConsistent(w);
    }

    void noInputReachesTheBoardWhileTheCompletionBoxIsOpen()
    {
        outside::QtMessageBox realBoxes;
        QuizWindow w(m_folder.path(), &realBoxes);
        for (int k = 0; k < quiz::kCountryCount - 1; ++k)
            dragOnPlatform(w, pixelsOnListEntry(k), pixelsOnCountry(k));

        bool boxWasOpen = false;
        QTimer poll;
        whenABoxOpens(poll, [&](QMessageBox *box) {
            boxWasOpen = true;
            // Restart by mouse and by keyboard, and a drag: all blocked by the box.
            QTest::mouseClick(platformWindow(w), Qt::LeftButton, {}, centreOf(w.form().pushButton1()));
            QTest::keyClick(platformWindow(w), Qt::Key_Tab);
            QTest::keyClick(platformWindow(w), Qt::Key_Space);
            dragOnPlatform(w, pixelsOnListEntry(0), pixelsOnCountry(0));
            QCOMPARE(w.board().placedCount(), 48);
            QVERIFY(!w.board().labels(0).visible);
            QVERIFY(!w.form().session().picked());
            verifyConsistent(w);
            QTest::keyClick(box, Qt::Key_Return);
        });
        dragOnPlatform(w, pixelsOnListEntry(47), pixelsOnCountry(47));
        QVERIFY(boxWasOpen);
        QCOMPARE(w.board().placedCount(), 0);
        QVERIFY(w.sound().played().last().endsWith(QStringLiteral("sounds/complete.wma")));
        verifyConsistent(w);
    }

    void dropsInQuickSuccession()
    {
        QuizWindow w(m_folder.path());
        // Two whole games with a wrong drop before each right one, as fast as input comes.
        for (int game = 0; game < 2; ++game) {
            for (int k = 0; k < quiz::kCountryCount; ++k) {
                dragOnPlatform(w, pixelsOnListEntry(k), pixelsOnCountry((k + 1) % quiz::kCountryCount));
                dragOnPlatform(w, pixelsOnListEntry(k), pixelsOnCountry(k));
                verifyConsistent(w);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        QCOMPARE(w.completions(), 2);
        QCOMPARE(w.board().placedCount(), 0);
        QCOMPARE(w.sound().played().size(), 2 * (2 * quiz::kCountryCount + 1));
    }

    void pressingAgainWherePlacedNameWasDragsItsNeighbour()
    {
        QuizWindow w(m_folder.path());
        const int chad = 8;
        for (int repeat = 0; repeat < 4; ++repeat)
            dragOnPlatform(w, pixelsOnListEntry(chad), pixelsOnCountry(chad));
        // The first drop placed Chad; the entry above reaches into its place and was dropped there, wrongly.
        QVERIFY(!w.board().labels(chad).visible);
        QVERIFY(w.board().labels(chad - 1).visible);
        QCOMPARE(w.board().placedCount(), 1);
        QCOMPARE(w.sound().played().filter(QStringLiteral("wrong.wma")).size(), 3);
        verifyConsistent(w);
    }

    void doubleClicksDropNothing()
    {
        QuizWindow w(m_folder.path());
        QTest::mouseDClick(platformWindow(w), Qt::LeftButton, {}, pixelsOnListEntry(9));
        QTest::mouseDClick(platformWindow(w), Qt::LeftButton, {}, pixelsOnCountry(9));
        QVERIFY(w.board().labels(9).visible);
        QVERIFY(w.sound().played().isEmpty());
        verifyConsistent(w);
    }
};

QTEST_MAIN(DragRobustnessTest)
#include "DragRobustnessTest.moc"
