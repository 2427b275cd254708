// The sound player as the game uses it, heard on a PulseAudio server of the test's
// own: the shipped files decoded and played, a new sound cutting off the one before,
// files that change under the player, and a server that goes away mid-game.
#include "MonitorRecording.h"
#include "MouseOnWindow.h"
#include "ProgramFolderFixture.h"
#include "QuizWindow.h"
#include "SoundServer.h"

#include "outside/ffmpeg/DecodedSound.h"
#include "outside/linux/LinuxSoundPlayer.h"
#include "outside/qt/SoundAsPlayed.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cmath>

using testing::MonitorRecording;
using testing::SoundServer;

namespace {

constexpr qint64 kMs = 1000000;

double rms(const std::vector<qint16> &samples, std::size_t step = 1)
{
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < samples.size(); i += step, ++count)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<std::size_t>(count, 1));
}

} // namespace

class SoundPlayerTest : public QObject
{
    Q_OBJECT

    SoundServer m_server;
    testing::ProgramFolderFixture m_folder;

    QString sound(const char *name) const { return m_folder.file(QStringLiteral("sounds/%1.wma").arg(QLatin1String(name))); }

    std::unique_ptr<MonitorRecording> listen() const
    {
        return std::make_unique<MonitorRecording>(m_server.address(), QString::fromLatin1(SoundServer::kMonitor),
                                                  SoundServer::kRate);
    }

    // The sound in `file` as the player plays it.
    static outside::SharedPcm played(const QString &file) { return outside::asPlayed(outside::decodeSoundFile(file)); }

    static qint64 lengthOf(const QString &file)
    {
        const outside::SharedPcm pcm = played(file);
        return pcm ? qint64(pcm->samples.size() / outside::kPcmChannels) * 1000 / outside::kPcmRate * kMs : 0;
    }

    // Waits until a sound started at `from` is heard, and tells when; gives up after `giveUpMs`.
    static std::optional<qint64> heardAfter(const MonitorRecording &ears, qint64 from, int giveUpMs = 5000)
    {
        std::optional<qint64> onset;
        if (!QTest::qWaitFor([&] { return bool(onset = ears.firstAudible(from, MonitorRecording::now())); }, giveUpMs))
            return std::nullopt;
        return onset;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.isRunning(), qPrintable(m_server.failure()));
        m_server.applyToThisProcess();
    }

    void rightDropIsHeardWholeAtTheGamesVolume()
    {
        const auto ears = listen();
        testing::QuizWindow window(m_folder.path());
        const qint64 dropped = MonitorRecording::now();
        testing::dragWithMouse(window.form(), testing::pixelsOnListEntry(0), testing::pixelsOnCountry(0));
        QVERIFY(!window.board().labels(0).visible);
        const std::optional<qint64> heardAt = heardAfter(*ears, dropped);
        QVERIFY(heardAt);
        const qint64 onset = *heardAt;
        const qint64 length = lengthOf(sound("correct"));
        QTest::qWait(int((length + 300 * kMs) / kMs));
        // As loud as the file decoded at the game's volume: the chime, not a click.
        const outside::SharedPcm expected = played(sound("correct"));
        const double heard = rms(ears->samples(onset, onset + length));
        const double decoded = rms(expected->samples, outside::kPcmChannels);
        QVERIFY2(std::abs(20 * std::log10(heard / decoded)) < 2, qPrintable(QStringLiteral("%1 / %2").arg(heard).arg(decoded)));
        QVERIFY(!ears->firstAudible(onset + length + 100 * kMs, MonitorRecording::now()));
    }

    // A tone peaking at -52 dBFS throughout is heard at its level for its length.
    void quietSoundIsHeardWhole()
    {
        const QString quiet = qEnvironmentVariable("QUILLMERE_SOURCE_DIR") + QStringLiteral("/tests/data/quiet-tone.wma");
        const auto ears = listen();
        outside::LinuxSoundPlayer player({quiet});
        player.waitUntilIdle();
        const qint64 asked = MonitorRecording::now();
        player.setUrl(quiet);
        const qint64 length = lengthOf(quiet);
        QVERIFY(length > 400 * kMs);
        QTest::qWait(int((length + 500 * kMs) / kMs));
        const std::vector<qint16> heard = ears->samples(asked, MonitorRecording::now());
        const double level = rms(played(quiet)->samples, outside::kPcmChannels);
        const auto loud = std::count_if(heard.begin(), heard.end(), [&](qint16 s) { return std::abs(s) >= level / 2; });
        const auto tooLoud = std::count_if(heard.begin(), heard.end(), [&](qint16 s) { return std::abs(s) > 3 * level; });
        // A sine lies above half its RMS three quarters of the time.
        const double lengthInSamples = double(length) / 1e9 * SoundServer::kRate;
        QVERIFY2(loud > 0.5 * lengthInSamples, qPrintable(QStringLiteral("%1 of %2").arg(loud).arg(lengthInSamples)));
        QCOMPARE(tooLoud, 0);
    }

    // Silence longer than the half minute a sound plays is passed over, not played.
    void rightDropAfterLongSilenceIsHeardAtOnce()
    {
        const testing::ProgramFolderFixture folder;
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), QStringLiteral("-loglevel error -f lavfi -i aevalsrc='gte(t,31)*0.5*"
                                                              "sin(2*PI*1000*t)':s=44100:d=32 -c:a wmav2 -y").split(u' ')
                         << folder.file(QStringLiteral("sounds/correct.wma")));
        QVERIFY2(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0,
                 qPrintable(ffmpeg.errorString() + ffmpeg.readAllStandardError()));
        const auto ears = listen();
        testing::QuizWindow window(folder.path());
        const qint64 dropped = MonitorRecording::now();
        testing::dragWithMouse(window.form(), testing::pixelsOnListEntry(0), testing::pixelsOnCountry(0));
        QVERIFY(!window.board().labels(0).visible);
        // Played from the file's start, the tone would come 31 s later, or not at all.
        const std::optional<qint64> heardAt = heardAfter(*ears, dropped, 20000);
        QVERIFY(heardAt);
        qInfo("tone heard %lld ms after the drop", (*heardAt - dropped) / kMs);
    }

    void newSoundCutsOffThePlayingOne_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QByteArray>("contents"); // written to `next` first, unless null
        QTest::newRow("the buzz") << sound("wrong") << QByteArray();
        QTest::newRow("a missing file") << m_folder.file(QStringLiteral("sounds/none.wma")) << QByteArray();
        QTest::newRow("an empty file") << m_folder.file(QStringLiteral("sounds/empty.wma")) << QByteArray("");
        QTest::newRow("a garbage file") << m_folder.file(QStringLiteral("sounds/garbage.wma")) << QByteArray(5000, '\x5a');
        QTest::newRow("no file") << QString() << QByteArray();
    }

    void newSoundCutsOffThePlayingOne()
    {
        QFETCH(QString, next);
        QFETCH(QByteArray, contents);
        if (!contents.isNull())
            m_folder.write(QDir(m_folder.path()).relativeFilePath(next), contents);
        const auto ears = listen();
        outside::LinuxSoundPlayer player({sound("complete"), sound("wrong")});
        player.waitUntilIdle();
        const qint64 started = MonitorRecording::now();
        player.setUrl(sound("complete"));
        QVERIFY(heardAfter(*ears, started));
        QTest::qWait(300);
        const qint64 cut = MonitorRecording::now();
        player.setUrl(next);
        const qint64 nextLength = lengthOf(next);
        const qint64 fanfareLeft = lengthOf(sound("complete")) - (cut - started);
        // Had it gone on, the fanfare would still be heard when this wait ends.
        QVERIFY(fanfareLeft > nextLength + 600 * kMs);
        QTest::qWait(int((nextLength + 400 * kMs) / kMs));
        const std::optional<qint64> last = ears->lastAudible(cut, MonitorRecording::now());
        // Whatever comes next, the fanfare is heard no longer than it.
        if (nextLength == 0)
            QVERIFY(!last || *last < cut + 100 * kMs);
        else
            QVERIFY(last && *last < cut + nextLength + 100 * kMs);
    }

    void changedFilePlaysWhatIsOnDiskNow()
    {
        const testing::ProgramFolderFixture folder;
        const QString chime = folder.file(QStringLiteral("sounds/correct.wma"));
        const auto ears = listen();
        outside::LinuxSoundPlayer player({chime});
        player.waitUntilIdle();
        // The chime's file now holds the fanfare, longer by far.
        folder.write(QStringLiteral("sounds/correct.wma"), [&] {
            QFile complete(sound("complete"));
            return complete.open(QIODevice::ReadOnly) ? complete.readAll() : QByteArray();
        }());
        const qint64 asked = MonitorRecording::now();
        player.setUrl(chime);
        const std::optional<qint64> heardAt = heardAfter(*ears, asked);
        QVERIFY(heardAt);
        const qint64 onset = *heardAt;
        const qint64 length = lengthOf(sound("complete"));
        QTest::qWait(int((length + 300 * kMs) / kMs));
        QVERIFY(ears->lastAudible(onset, MonitorRecording::now()) > onset + length / 2);

        // Gone, it is silent.
        folder.remove(QStringLiteral("sounds/correct.wma"));
        const qint64 gone = MonitorRecording::now();
        player.setUrl(chime);
        player.waitUntilIdle();
        QTest::qWait(300);
        QVERIFY(!ears->firstAudible(gone, MonitorRecording::now()));
    }

    void gameGoesOnWithoutTheServerAndSoundComesBack()
    {
        const QString folder = m_folder.path();
        testing::QuizWindow window(folder);
        auto ears = listen();
        int next = 0;
        // Returns when the drop was made.
        auto rightDrop = [&] {
            const qint64 at = MonitorRecording::now();
            testing::dragWithMouse(window.form(), testing::pixelsOnListEntry(next), testing::pixelsOnCountry(next));
            ++next;
            return at;
        };
        QVERIFY(heardAfter(*ears, rightDrop()));

        m_server.stop();
        ears.reset();
        for (int i = 0; i < 5; ++i) {
            rightDrop();
            QVERIFY(!window.board().labels(next - 1).visible);
            testing::dragWithMouse(window.form(), testing::pixelsOnListEntry(40), testing::pixelsOnCountry(next));
            QVERIFY(window.board().labels(40).visible);
        }
        QCOMPARE(window.board().placedCount(), next);

        QVERIFY2(m_server.start(), qPrintable(m_server.failure()));
        ears = listen();
        QVERIFY(heardAfter(*ears, rightDrop()));
        QCOMPARE(window.board().placedCount(), next);
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
