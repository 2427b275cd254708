// FFmpeg as the web build has it (only the ASF container, the WMA decoders and the
// resampler, built without assembly or threads), decoding under node the game's
// own sound files as the page does, and files that hold no sound.
#include "outside/ffmpeg/DecodedSound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

class FFmpegForWebTest : public QObject
{
    Q_OBJECT

private slots:
    void theGamesSoundsDecode_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"correct", "wrong", "complete"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void theGamesSoundsDecode()
    {
        QFETCH(QString, name);
        const QString path = qEnvironmentVariable("QUILLMERE_PROGRAM_DIR") + QStringLiteral("/sounds/%1.wma").arg(name);
        const outside::SharedPcm sound = outside::decodeSoundFile(path);
        QVERIFY2(sound, qPrintable(path));
        QCOMPARE(sound->rate, outside::kPcmRate);
        QCOMPARE(sound->channels, outside::kPcmChannels);
        const double seconds = double(sound->samples.size()) / sound->channels / sound->rate;
        QVERIFY2(seconds > 0.1 && seconds < 5, qPrintable(QString::number(seconds)));
        const auto loudest = std::max_element(sound->samples.begin(), sound->samples.end(),
                                              [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); });
        QVERIFY(std::abs(*loudest) > 1000);
    }

    void filesWithoutSoundDecodeToNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QFile shipped(qEnvironmentVariable("QUILLMERE_PROGRAM_DIR") + QStringLiteral("/sounds/correct.wma"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray wma = shipped.readAll();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a sound at all\r\n");
        QTest::newRow("the ASF header alone") << wma.left(200);
    }

    void filesWithoutSoundDecodeToNothing()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("sound.wma")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(!outside::decodeSoundFile(file.fileName()));
    }
};

QTEST_GUILESS_MAIN(FFmpegForWebTest)
#include "FFmpegForWebTest.moc"
