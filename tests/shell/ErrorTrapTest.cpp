// The error report: its text byte for byte, and where a handler goes on after a failure.
#include "FakePlatform.h"

#include "outside/qt/QtPlatform.h"
#include "shell/BuildSettings.h"
#include "shell/ErrorTrap.h"

#include <QtTest>

using shell::ErrorTrap;
using shell::Failure;

namespace {

[[noreturn]] void fail(const char *why) { throw Failure(QString::fromLatin1(why)); }

// A routine without a trap of its own: its failure belongs to the caller's statement.
void routineWithoutTrap(QStringList &trace)
{
    trace << QStringLiteral("routine starts");
    fail("inner failure");
}

} // namespace

class ErrorTrapTest : public QObject
{
    Q_OBJECT

private slots:
    void reportTextIsExact()
    {
        const QString text = shell::errorReportText(QStringLiteral("File not found"),
                                                  QStringLiteral("Form1.PushButton2_Click"), 100,
                                                  QStringLiteral("help@example.org"));
        QCOMPARE(text, QStringLiteral("File not found\r\nin Quillmere2021/08/31.Form1.PushButton2_Click at line "
                                      "100\r\rPlease email screenshot of this message to help@example.org"));
    }

    void boxCarriesCaptionIconAndBuildAddress()
    {
        testing::RecordingMessageBox box;
        ErrorTrap trap(box, QStringLiteral("Form1.Form_Load"));
        trap.run(106, [] { fail("Invalid picture"); });
        QCOMPARE(box.shown.size(), 1u);
        QCOMPARE(box.shown[0].caption, QStringLiteral("Application Error"));
        QCOMPARE(box.shown[0].icon, shell::BoxRequest::Icon::Warning);
        QVERIFY(box.shown[0].text.startsWith(QStringLiteral("Invalid picture\r\nin Quillmere2021/08/31.Form1.Form_Load at line 106\r\r")));
        QVERIFY(box.shown[0].text.endsWith(shell::supportEmailAddress()));
    }

    void screenTextBreaksLinesAtEveryCarriageReturn()
    {
        const QString shown = outside::boxTextForDisplay(QStringLiteral("a\r\nb\r\rc"));
        QCOMPARE(shown, QStringLiteral("a\nb\n\nc"));
    }

    void failureResumesAtTheNextStatement()
    {
        testing::RecordingMessageBox box;
        ErrorTrap trap(box, QStringLiteral("Form1.cmdNewGame_Click"));
        QStringList trace;
        trap.run(104, [&] { fail("Element out of range"); trace << QStringLiteral("not reached"); });
        trap.run(106, [&] { trace << QStringLiteral("106"); });
        trap.run(108, [&] { fail("second"); });
        QCOMPARE(trace, QStringList{QStringLiteral("106")});
        QCOMPARE(trap.reportCount(), 2);
        QVERIFY(box.shown[0].text.contains(QStringLiteral("at line 104\r\r")));
        QVERIFY(box.shown[1].text.contains(QStringLiteral("at line 108\r\r")));
    }

    void failingConditionRunsItsBranch()
    {
        testing::RecordingMessageBox box;
        ErrorTrap trap(box, QStringLiteral("Form1.piccoor_DragDrop"));
        bool branch = false;
        if (trap.test(106, []() -> bool { fail("Type mismatch"); }))
            branch = true;
        QVERIFY(branch);
        QVERIFY(!trap.test(108, [] { return false; }));
        QCOMPARE(box.shown.size(), 1u);
    }

    void failingLoopTestEntersTheBody()
    {
        testing::RecordingMessageBox box;
        ErrorTrap trap(box, QStringLiteral("Form1.Form_Load"));
        int passes = 0;
        bool failOnce = true;
        while (trap.test(136, [&] {
            if (failOnce) {
                failOnce = false;
                fail("Bad file mode");
            }
            return passes < 2;
        }))
            ++passes;
        QCOMPARE(passes, 2);
        QCOMPARE(trap.reportCount(), 1);
    }

    void routineWithoutTrapReportsAtTheCallersLine()
    {
        testing::RecordingMessageBox box;
        ErrorTrap trap(box, QStringLiteral("Form1.Form_Load"));
        QStringList trace;
        trap.run(100, [&] { routineWithoutTrap(trace); trace << QStringLiteral("after failure"); });
        trap.run(104, [&] { trace << QStringLiteral("104"); });
        QCOMPARE(trace, (QStringList{QStringLiteral("routine starts"), QStringLiteral("104")}));
        QCOMPARE(box.shown.size(), 1u);
        QVERIFY(box.shown[0].text.startsWith(QStringLiteral("inner failure\r\nin Quillmere2021/08/31.Form1.Form_Load at line 100\r\r")));
    }

    void nestedTrapKeepsItsOwnNameAndLine()
    {
        testing::RecordingMessageBox box;
        ErrorTrap outer(box, QStringLiteral("Form1.piccoor_DragDrop"));
        outer.run(188, [&] {
            ErrorTrap inner(box, QStringLiteral("Form1.cmdNewGame_Click"));
            inner.run(104, [] { fail("Element out of range"); });
        });
        QCOMPARE(box.shown.size(), 1u);
        QVERIFY(box.shown[0].text.contains(QStringLiteral("Form1.cmdNewGame_Click at line 104\r\r")));
        QCOMPARE(outer.reportCount(), 0);
    }

    void exhaustedBudgetGivesOneFinalReport()
    {
        testing::RecordingMessageBox box;
        ErrorTrap trap(box, QStringLiteral("Form1.Form_Load"));
        trap.setReportBudget(2, QStringLiteral("the rest was ignored"));
        for (int i = 0; i < 2; ++i)
            trap.run(144, [] { fail("Element out of range"); });
        QVERIFY(!trap.budgetExhausted());
        trap.run(150, [] { fail("Element out of range"); });
        QVERIFY(trap.budgetExhausted());
        QCOMPARE(box.shown.size(), 3u);
        QVERIFY(box.shown[2].text.startsWith(QStringLiteral("the rest was ignored\r\n")));
        trap.run(152, [] { fail("passes unreported"); });
        QCOMPARE(box.shown.size(), 3u);
        trap.clearReportBudget();
        trap.run(160, [] { fail("later"); });
        QVERIFY(box.shown[3].text.startsWith(QStringLiteral("later\r\n")));
    }
};

QTEST_GUILESS_MAIN(ErrorTrapTest)
#include "ErrorTrapTest.moc"
