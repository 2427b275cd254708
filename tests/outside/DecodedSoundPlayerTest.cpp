// The sound player every platform shares, with real files in a folder of the
// test's own and the platform's decoder and output replaced by recorders: what is
// decoded when, and what the output is asked to play. The real decoders and
// outputs are heard in the sound tests of each platform; here the platform's
// decoder shows only that it plays by the shared rule.
#include "outside/qt/DecodedSoundPlayer.h"
#include "outside/qt/SoundAsPlayed.h"
#ifdef Q_OS_WIN
#include "outside/windows/MediaFoundationDecoder.h"
#else
#include "outside/ffmpeg/DecodedSound.h"
#endif

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

using outside::Pcm;
using outside::SharedPcm;

namespace {

// What the decoder and the output saw, written on the player's thread.
struct Record {
    QMutex mutex;
    QStringList decoded;
    QStringList output; // "play <samples>" or "stop"

    QStringList decodedNow()
    {
        QMutexLocker lock(&mutex);
        return decoded;
    }
    QStringList outputNow()
    {
        QMutexLocker lock(&mutex);
        return output;
    }
};

// Files that begin with "pcm:" decode to the bytes after it; others cannot be decoded.
outside::SoundDecoder recordingDecoder(Record &record)
{
    return [&record](const QString &path) -> outside::DecodedPcm {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QMutexLocker lock(&record.mutex);
        record.decoded << QFileInfo(path).fileName();
        if (!bytes.startsWith("pcm:"))
            return nullptr;
        return std::make_unique<Pcm>(Pcm{44100, 1, std::vector<qint16>(bytes.begin() + 4, bytes.end())});
    };
}

struct RecordingOutput : outside::PcmOutput {
    Record &record;
    explicit RecordingOutput(Record &r) : record(r) {}

    void play(SharedPcm sound) override
    {
        QMutexLocker lock(&record.mutex);
        QString heard;
        if (sound)
            std::transform(sound->samples.begin(), sound->samples.end(), std::back_inserter(heard),
                           [](qint16 s) { return QChar(s); });
        record.output << (sound ? QStringLiteral("play ") + heard : QStringLiteral("stop"));
    }
};

struct PlayerWithFolder {
    QTemporaryDir folder;
    Record record;
    outside::DecodedSoundPlayer player{recordingDecoder(record), std::make_unique<RecordingOutput>(record)};

    QString file(const QString &name) const { return folder.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile out(file(name));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
    // One request at a time, as drops come, so that none is replaced by the next.
    void play(const QString &name)
    {
        player.setUrl(file(name));
        player.waitUntilIdle();
    }
};

} // namespace

class DecodedSoundPlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void eachFileIsDecodedOnceAndEachRequestPlaysInTurn()
    {
        PlayerWithFolder p;
        p.write(QStringLiteral("correct.wma"), "pcm:chime");
        p.write(QStringLiteral("wrong.wma"), "pcm:buzz");
        p.player.prepare({p.file(QStringLiteral("correct.wma")), p.file(QStringLiteral("wrong.wma"))});
        p.player.waitUntilIdle();
        QCOMPARE(p.record.decodedNow(), (QStringList{QStringLiteral("correct.wma"), QStringLiteral("wrong.wma")}));
        for (const char *name : {"correct.wma", "wrong.wma", "correct.wma", "correct.wma"})
            p.play(QLatin1String(name));
        QCOMPARE(p.record.outputNow(), (QStringList{QStringLiteral("play chime"), QStringLiteral("play buzz"),
                                                        QStringLiteral("play chime"), QStringLiteral("play chime")}));
        QCOMPARE(p.record.decodedNow().size(), 2);
    }

    void aFileChangedOnDiskPlaysAsItNowIs()
    {
        PlayerWithFolder p;
        p.write(QStringLiteral("correct.wma"), "pcm:chime");
        p.play(QStringLiteral("correct.wma"));
        QCOMPARE(p.record.outputNow(), QStringList{QStringLiteral("play chime")});
        p.write(QStringLiteral("correct.wma"), "pcm:a longer chime");
        p.play(QStringLiteral("correct.wma"));
        QCOMPARE(p.record.outputNow().size(), 2);
        QCOMPARE(p.record.outputNow().last(), QStringLiteral("play a longer chime"));
        QCOMPARE(p.record.decodedNow().size(), 2);
    }

    // Each cuts off the sound before it, and none is decoded more than once while it stays as it is.
    void missingEmptyOrUndecodableFilesPlayNothing()
    {
        PlayerWithFolder p;
        p.write(QStringLiteral("correct.wma"), "pcm:chime");
        p.write(QStringLiteral("empty.wma"), {});
        p.write(QStringLiteral("garbage.wma"), "\x30\x26\xb2\x75 not a sound");
        QVERIFY(QDir(p.folder.path()).mkdir(QStringLiteral("folder.wma")));
        const QStringList asked{QStringLiteral("correct.wma"), QStringLiteral("missing.wma"), QStringLiteral("correct.wma"),
                                QStringLiteral("empty.wma"), QStringLiteral("garbage.wma"), QStringLiteral("garbage.wma"),
                                QStringLiteral("folder.wma")};
        for (const QString &name : asked)
            p.play(name);
        QCOMPARE(p.record.outputNow(),
                     (QStringList{QStringLiteral("play chime"), QStringLiteral("stop"), QStringLiteral("play chime"),
                                  QStringLiteral("stop"), QStringLiteral("stop"), QStringLiteral("stop"),
                                  QStringLiteral("stop")}));
        QCOMPARE(p.record.decodedNow(), (QStringList{QStringLiteral("correct.wma"), QStringLiteral("garbage.wma")}));
    }

    // Only the newest request counts while the player is busy: it would cut off any before it.
    // Silence before a sound is skipped (here, bytes below 38), never the sound itself,
    // and a long file plays half a minute from its sound, looked for in its first minute.
    void everySoundPlaysByOneRule_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("played");
        QTest::newRow("silence first") << QByteArray("pcm:\0\0\x10\x25" "chime\0", 14) << QByteArray("chime\0", 6);
        QTest::newRow("quiet throughout") << QByteArray("pcm:\0\x05\x25\x05", 8) << QByteArray("\0\x05\x25\x05", 4);
        QTest::newRow("half a minute and more")
            << QByteArray("pcm:").append(QByteArray(31 * 44100, 'x'))
            << QByteArray(outside::kMostSoundSeconds * 44100, 'x');
        QTest::newRow("half a minute after ten seconds of silence")
            << QByteArray("pcm:").append(QByteArray(10 * 44100, '\0')).append(QByteArray(31 * 44100, 'x'))
            << QByteArray(outside::kMostSoundSeconds * 44100, 'x');
        QTest::newRow("sound past the first minute")
            << QByteArray("pcm:").append(QByteArray(outside::kMostDecodedSeconds * 44100, '\0')).append("chime")
            << QByteArray(outside::kMostSoundSeconds * 44100, '\0');
    }

    void everySoundPlaysByOneRule()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, played);
        PlayerWithFolder p;
        p.write(QStringLiteral("correct.wma"), file);
        p.play(QStringLiteral("correct.wma"));
        QCOMPARE(p.record.outputNow(), QStringList{QStringLiteral("play ") + QString::fromLatin1(played)});
    }

    // A tone peaking at -52 dBFS all through is quiet, not silence: it plays whole.
    void platformsDecoderKeepsAQuietSoundWhole()
    {
#ifdef Q_OS_WIN
        outside::SoundFiles files(outside::decodeWithMediaFoundation);
#else
        outside::SoundFiles files(outside::decodeSoundFile);
#endif
        const QString quiet = qEnvironmentVariable("QUILLMERE_SOURCE_DIR") + QStringLiteral("/tests/data/quiet-tone.wma");
        const SharedPcm sound = files.soundAt(quiet);
        QVERIFY2(sound, qPrintable(quiet));
        const double seconds = double(sound->samples.size()) / (sound->rate * sound->channels);
        QVERIFY2(seconds > 0.45 && seconds < 0.7, qPrintable(QString::number(seconds)));
        const int peak = std::abs(*std::max_element(sound->samples.begin(), sound->samples.end(),
                                                     [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); }));
        const double expectedPeak = 0.002512 * outside::kSoundVolume * 32767;
        QVERIFY2(peak > expectedPeak * 0.7 && peak < expectedPeak * 1.4, qPrintable(QString::number(peak)));
    }

    void requestsThatComeFasterThanTheyPlayLeaveTheNewest()
    {
        PlayerWithFolder p;
        p.write(QStringLiteral("correct.wma"), "pcm:chime");
        p.write(QStringLiteral("wrong.wma"), "pcm:buzz");
        for (int i = 0; i < 50; ++i)
            p.player.setUrl(p.file(i % 2 ? QStringLiteral("wrong.wma") : QStringLiteral("correct.wma")));
        p.player.waitUntilIdle();
        QCOMPARE(p.record.outputNow().last(), QStringLiteral("play buzz"));
    }
};

QTEST_GUILESS_MAIN(DecodedSoundPlayerTest)
#include "DecodedSoundPlayerTest.moc"
