// The outside world on Windows, under Wine: the shipped sounds decoded by Media
// Foundation, files it cannot decode, and the output with no sound device.
#include "ProgramFolderFixture.h"

#include "outside/windows/MediaFoundationDecoder.h"
#include "outside/windows/WaveOutput.h"

#include <QtTest>

#include <algorithm>

using testing::ProgramFolderFixture;

namespace {

int loudest(const std::vector<qint16> &samples)
{
    int most = 0;
    for (qint16 s : samples)
        most = std::max(most, std::abs(int(s)));
    return most;
}

} // namespace

class WindowsOutsideTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedSoundsDecodeToShortAudibleSounds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("correct") << QStringLiteral("sounds/correct.wma");
        QTest::newRow("wrong") << QStringLiteral("sounds/wrong.wma");
        QTest::newRow("complete") << QStringLiteral("sounds/complete.wma");
    }

    void shippedSoundsDecodeToShortAudibleSounds()
    {
        QFETCH(QString, file);
        const ProgramFolderFixture folder;
        const outside::SharedPcm sound = outside::decodeWithMediaFoundation(folder.file(file));
        QVERIFY(sound);
        QVERIFY(sound->rate >= 8000 && sound->channels >= 1);
        const double seconds = double(sound->samples.size()) / (sound->channels * sound->rate);
        QVERIFY2(seconds > 0.1 && seconds < 10, qPrintable(QString::number(seconds)));
        // At the game's volume, well short of full scale yet clearly heard.
        QVERIFY(loudest(sound->samples) > 1000 && loudest(sound->samples) <= 32767 * outside::kSoundVolume + 1);
    }

    void filesThatAreNoSoundDecodeToNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Algeria\r\nAngola\r\n");
        QTest::newRow("ASF header, then garbage") << QByteArray("\x30\x26\xb2\x75\x8e\x66\xcf\x11").append(4096, '\x5a');
    }

    void filesThatAreNoSoundDecodeToNothing()
    {
        QFETCH(QByteArray, bytes);
        const ProgramFolderFixture folder;
        folder.write(QStringLiteral("sounds/correct.wma"), bytes);
        QVERIFY(!outside::decodeWithMediaFoundation(folder.file(QStringLiteral("sounds/correct.wma"))));
    }

    // No sound server is reachable in the test's environment.
    void outputWithoutADevicePlaysSilently()
    {
        const auto sound = std::make_shared<const outside::Pcm>(outside::Pcm{44100, 1, std::vector<qint16>(44100, 1000)});
        outside::WaveOutput output;
        output.play(sound);
        output.play(sound);
        output.play(nullptr);
    }
};

QTEST_GUILESS_MAIN(WindowsOutsideTest)
#include "WindowsOutsideTest.moc"
