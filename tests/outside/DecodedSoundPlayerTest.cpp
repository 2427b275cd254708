// The player of decoded sounds, with real files in a folder of the test's own and
// the platform's decoder and output replaced by recorders: what is decoded when,
// and what the output is asked to play.
#include "outside/qt/DecodedSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

using outside::PcmSound;

namespace {

// What the decoder and the output saw, written on the sound thread.
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
struct RecordingDecoder : outside::PcmDecoder {
    Record &record;
    explicit RecordingDecoder(Record &r) : record(r) {}

    std::optional<PcmSound> decode(const QString &path) override
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QMutexLocker lock(&record.mutex);
        record.decoded << QFileInfo(path).fileName();
        if (!bytes.startsWith("pcm:"))
            return std::nullopt;
        return PcmSound{44100, 1, bytes.mid(4)};
    }
};

struct RecordingOutput : outside::PcmOutput {
    Record &record;
    explicit RecordingOutput(Record &r) : record(r) {}

    void play(std::shared_ptr<const PcmSound> sound) override
    {
        QMutexLocker lock(&record.mutex);
        record.output << QStringLiteral("play ") + QString::fromLatin1(sound->samples);
    }
    void stop() override
    {
        QMutexLocker lock(&record.mutex);
        record.output << QStringLiteral("stop");
    }
};

struct PlayerWithFolder {
    QTemporaryDir folder;
    Record record;
    outside::DecodedSoundPlayer player{std::make_unique<RecordingDecoder>(record),
                                       std::make_unique<RecordingOutput>(record)};

    QString file(const QString &name) const { return folder.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile out(file(name));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
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
        QTRY_COMPARE(p.record.decodedNow(), (QStringList{QStringLiteral("correct.wma"), QStringLiteral("wrong.wma")}));
        for (const char *name : {"correct.wma", "wrong.wma", "correct.wma", "correct.wma"})
            p.player.setUrl(p.file(QLatin1String(name)));
        QTRY_COMPARE(p.record.outputNow(), (QStringList{QStringLiteral("play chime"), QStringLiteral("play buzz"),
                                                        QStringLiteral("play chime"), QStringLiteral("play chime")}));
        QCOMPARE(p.record.decodedNow().size(), 2);
    }

    void aFileChangedOnDiskPlaysAsItNowIs()
    {
        PlayerWithFolder p;
        p.write(QStringLiteral("correct.wma"), "pcm:chime");
        p.player.setUrl(p.file(QStringLiteral("correct.wma")));
        QTRY_COMPARE(p.record.outputNow(), QStringList{QStringLiteral("play chime")});
        p.write(QStringLiteral("correct.wma"), "pcm:a longer chime");
        p.player.setUrl(p.file(QStringLiteral("correct.wma")));
        QTRY_COMPARE(p.record.outputNow().size(), 2);
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
            p.player.setUrl(p.file(name));
        QTRY_COMPARE(p.record.outputNow(),
                     (QStringList{QStringLiteral("play chime"), QStringLiteral("stop"), QStringLiteral("play chime"),
                                  QStringLiteral("stop"), QStringLiteral("stop"), QStringLiteral("stop"),
                                  QStringLiteral("stop")}));
        QCOMPARE(p.record.decodedNow(), (QStringList{QStringLiteral("correct.wma"), QStringLiteral("garbage.wma")}));
    }

    void aPlayerThatNeverPlayedEndsAtOnce()
    {
        Record record;
        outside::DecodedSoundPlayer player{std::make_unique<RecordingDecoder>(record),
                                           std::make_unique<RecordingOutput>(record)};
    }
};

QTEST_GUILESS_MAIN(DecodedSoundPlayerTest)
#include "DecodedSoundPlayerTest.moc"
