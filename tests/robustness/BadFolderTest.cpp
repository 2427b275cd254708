// Start-up and play on spoilt program folders, with the real window offscreen: no
// crash, no hang, exactly the reports each folder deserves, a board that plays on,
// and nothing written below the folder. The sounds play to a sound server of the
// test's own, which hears them or hears nothing. One line a case tells what happened.
#include "BadFolderCases.h"
#include "BoardInvariants.h"
#include "HangWatchdog.h"
#include "MonitorRecording.h"
#include "MouseOnWindow.h"
#include "QuizWindow.h"
#include "SoundServer.h"

#include <QElapsedTimer>
#include <QtTest>

#include <optional>

using namespace testing;

namespace {

// A case takes a second at most; only a hang takes a minute.
constexpr std::chrono::seconds kHangBound{60};

int changedFiles(const std::map<QString, QByteArray> &before, const std::map<QString, QByteArray> &after)
{
    int changed = 0;
    for (const auto &[file, sum] : before)
        changed += !after.contains(file) || after.at(file) != sum;
    for (const auto &[file, sum] : after)
        changed += !before.contains(file);
    return changed;
}

QStringList captionsOf(const quiz::Board &board)
{
    QStringList captions;
    for (int k = 0; k < quiz::kListEntryCount; ++k)
        captions << board.labels(k).caption;
    return captions;
}

QString lastSoundFile(const QuizWindow &window)
{
    return window.sound().played().isEmpty() ? QString() : window.sound().played().last().section(u'/', -2);
}

// What a drop must have done, and that it left the board consistent.
void verifyDrop(QuizWindow &window, const Drop &drop, int completionsBefore)
{
    const quiz::Board &board = window.board();
    switch (drop.outcome) {
    case Drop::Placed:
        QVERIFY(!board.labels(drop.entry).visible);
        QVERIFY(board.maplabel(drop.entry).visible);
        QCOMPARE(lastSoundFile(window), QStringLiteral("sounds/correct.wma"));
        break;
    case Drop::Stays:
        QVERIFY(board.labels(drop.entry).visible);
        QCOMPARE(lastSoundFile(window), QStringLiteral("sounds/wrong.wma"));
        break;
    case Drop::Completes:
        QCOMPARE(window.completions(), completionsBefore + 1);
        QCOMPARE(board.placedCount(), 0);
        QCOMPARE(lastSoundFile(window), QStringLiteral("sounds/complete.wma"));
        break;
    }
    const QStringList problems = boardInconsistencies(board);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"; ")));
}

void verifySkin(app::Form1 &form, Skin skin)
{
    const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
    QCOMPARE(form.skinFramework1().isLoaded(), skin == Skin::Applied);
    QCOMPARE(form.backColor(), skin == Skin::None ? QColor(Qt::white) : buttonFace);
}

} // namespace

class BadFolderTest : public QObject
{
    Q_OBJECT

    SoundServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.isRunning(), qPrintable(m_server.failure()));
        m_server.applyToThisProcess();
    }

    void startsReportsAndPlaysOn_data()
    {
        QTest::addColumn<int>("index");
        const auto &cases = badFolderCases();
        for (int i = 0; i < int(cases.size()); ++i)
            QTest::newRow(qPrintable(cases[i].name)) << i;
    }

    void startsReportsAndPlaysOn()
    {
        QFETCH(int, index);
        const BadFolderCase &c = badFolderCases()[std::size_t(index)];
        if (c.needsBindingPermissions && !CaseFolder::permissionsBind()) {
            qInfo().noquote() << c.name << "| not run: file permissions do not bind this user (root)";
            QSKIP("file permissions do not bind this user (root)");
        }
        CaseFolder folder;
        c.spoil(folder);
        if (QTest::currentTestFailed())
            return;
        const auto before = folder.checksums();

        HangWatchdog watchdog(c.name, kHangBound);
        QElapsedTimer clock;
        clock.start();
        std::optional<MonitorRecording> ears;
        if (c.sounds != Sounds::Unchecked)
            ears.emplace(m_server.address(), QString::fromLatin1(SoundServer::kMonitor), SoundServer::kRate);
        const qint64 caseStart = MonitorRecording::now();
        QuizWindow window(folder.path());
        const QStringList reportsAtStart = window.reports();
        const QStringList captions = captionsOf(window.board());
        const QStringList problemsAtStart = boardInconsistencies(window.board());
        qint64 slowestDrop = 0;
        for (const Drop &drop : c.drops) {
            const int completionsBefore = window.completions();
            QElapsedTimer dropClock;
            dropClock.start();
            dragWithMouse(window.form(), pixelsOnListEntry(drop.entry), pixelsOnCountry(drop.country));
            slowestDrop = std::max(slowestDrop, dropClock.elapsed());
            verifyDrop(window, drop, completionsBefore);
            if (QTest::currentTestFailed())
                return;
        }
        const qint64 took = clock.elapsed();
        if (c.sounds == Sounds::Heard)
            QTRY_VERIFY(ears->firstAudible(caseStart, MonitorRecording::now()));
        if (c.sounds == Sounds::Silent) {
            window.sound().player().waitUntilIdle();
            QTest::qWait(300); // what was started has reached the server by then
            QVERIFY(!ears->firstAudible(caseStart, MonitorRecording::now()));
        }
        window.form().close();
        const int changed = changedFiles(before, folder.checksums());

        qInfo().noquote() << QStringLiteral("%1 | reports: %2 | %3 ms, slowest drop %4 ms | files changed: %5")
                                 .arg(c.name, reportsAtStart.isEmpty() ? QStringLiteral("none") : reportsAtStart.join(u", "))
                                 .arg(took)
                                 .arg(slowestDrop)
                                 .arg(changed);
        QCOMPARE(reportsAtStart, c.reports);
        QCOMPARE(window.reports(), c.reports); // and none while playing
        QVERIFY(window.form().windowTitle() == QLatin1String("Quillmere")); // start-up ran to its end
        QVERIFY2(problemsAtStart.isEmpty(), qPrintable(problemsAtStart.join(u"; ")));
        QCOMPARE(captions, c.captions);
        QCOMPARE(window.form().pointer().hasMouseIcon(), c.pointerImage);
        verifySkin(window.form(), c.skin);
        QCOMPARE(changed, 0);
    }
};

QTEST_MAIN(BadFolderTest)
#include "BadFolderTest.moc"
