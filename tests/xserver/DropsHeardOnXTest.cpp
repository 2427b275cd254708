// Drops played with the real pointer on the real program, heard on a sound server
// of the test's own: a right drop places its name with the chime, a wrong one
// leaves its name in the list with the buzz; in English, and in French as a teacher
// chooses it ("Maroc" onto Algeria, then onto Morocco); on the board of Africa today,
// started as its Start menu entry starts it, "Sudan" onto South Sudan, then "South
// Sudan". Runs for the Linux build, and for the Windows build under Wine.
#include "BoardOnScreen.h"
#include "MonitorRecording.h"
#include "ProgramOnX.h"
#include "ScreenPixels.h"
#include "SoundServer.h"

#include "app/startup/BoardChoice.h"

#include <QtTest>

using namespace xtest;
using namespace Qt::StringLiterals;
using testing::MonitorRecording;

namespace {

constexpr qint64 kMs = 1000000;

// Heard within this of the release; a decoded sound starts at once, but the
// program may still be decoding it when the first drop comes straight after start-up.
constexpr int kHeardWithinMs = 5000;

struct Drop {
    int name;
    int country;
};

} // namespace

Q_DECLARE_METATYPE(QList<Drop>)

class DropsHeardOnXTest : public QObject
{
    Q_OBJECT

private slots:
    void rightAndWrongDropsAreSeenAndHeard_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QList<Drop>>("drops");
        QTest::newRow("English") << QString() << u"48"_s << QList<Drop>{{0, 0}, {1, 0}, {2, 2}, {4, 3}};
        QTest::newRow("French") << QStringLiteral("fr") << u"48"_s << QList<Drop>{{29, 0}, {29, 29}};
        const auto today = app::loadBoard(u"today");
        const int sudan = *today->rowOf(QStringLiteral("Sudan"));
        const int southSudan = *today->rowOf(QStringLiteral("South Sudan"));
        QTest::newRow("Africa today") << QString() << u"today"_s
                                      << QList<Drop>{{sudan, southSudan}, {southSudan, southSudan}};
    }

    void rightAndWrongDropsAreSeenAndHeard()
    {
        QFETCH(QString, language);
        QFETCH(QString, board);
        QFETCH(QList<Drop>, drops);
        const QStringList settings =
            language.isEmpty() ? QStringList() : QStringList{QStringLiteral("QUILLMERE_LANGUAGE=") + language};
        const QStringList arguments{QStringLiteral("--board"), board};
        const quiz::Board shown = boardShownIn(quiz::BoardLanguage(language), app::loadBoard(board));
        testing::SoundServer server;
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        const MonitorRecording ears(server.address(), QLatin1String(testing::SoundServer::kMonitor),
                                    testing::SoundServer::kRate);
        QVERIFY(ears.isRecording());
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        x.program.start(x.desktop, server.clientSettings() + settings, arguments);
        const std::optional<XWindow> window = x.program.waitForMainWindow(x.desktop);
        QVERIFY(window);
        x.desktop.parkPointer();
        const std::optional<QImage> atStart =
            x.desktop.grabWhen(window->id, [&](const QImage &s) { return everyNameListed(shown, s); });
        QVERIFY2(atStart, "the names never all showed");

        for (const Drop drop : drops) {
            const bool right = drop.name == drop.country;
            const int place = shown.listPlace(drop.name);
            const qint64 released = MonitorRecording::now();
            x.desktop.drag(window->id, onListEntry(shown, place), onCountry(shown, drop.country));
            const QString what = QStringLiteral("name %1 on country %2").arg(drop.name).arg(drop.country);
            QVERIFY2(QTest::qWaitFor([&] { return bool(ears.firstAudible(released, MonitorRecording::now())); },
                                     kHeardWithinMs),
                     qPrintable(what + QStringLiteral(": nothing heard")));
            if (right) {
                const auto placedNow = [&](const QImage &s) { return placed(shown, *atStart, s, drop.name); };
                QVERIFY2(x.desktop.grabWhen(window->id, placedNow),
                         qPrintable(what + QStringLiteral(": not placed")));
            } else {
                // Heard, so judged: the name is still in the list, its slot still empty.
                const QImage shot = x.desktop.grab(window->id);
                QVERIFY2(whitePixels(shot, listEntryBand(shown, place)) > 0
                             && !placed(shown, *atStart, shot, drop.name),
                         qPrintable(what + QStringLiteral(": placed")));
            }
            // The sound plays out before the next drop, so each drop's own sound is heard.
            QTest::qWait(1500);
        }
    }
};

QTEST_GUILESS_MAIN(DropsHeardOnXTest)
#include "DropsHeardOnXTest.moc"
