// The sound module on Linux: the program links none of the sound libraries, and the
// module that brings them loads once asked, or never where it is missing, silently.
#include "ProgramFolderFixture.h"

#include "outside/linux/LazySoundPlayer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using testing::ProgramFolderFixture;

class SoundModuleTest : public QObject
{
    Q_OBJECT

private slots:
    void soundLibrariesWaitForTheModule()
    {
        const QString programFolder = qEnvironmentVariable("QUILLMERE_PROGRAM_DIR");
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), programFolder + QStringLiteral("/quillmere")});
        QVERIFY(readelf.waitForFinished());
        const QByteArray needed = readelf.readAllStandardOutput();
        QVERIFY(needed.contains("libQt6Widgets"));
        for (const char *library : {"libpulse", "libavcodec", "libavformat", "libswresample"})
            QVERIFY2(!needed.contains(library), library);

        const ProgramFolderFixture folder;
        const QString missingSound = folder.file(QStringLiteral("sounds/none.wma"));
        outside::LazySoundPlayer player(folder.path());
        QVERIFY(!player.loaded());
        player.setUrl(missingSound);
        QVERIFY(player.loaded());
        outside::LazySoundPlayer prepared(folder.path());
        prepared.prepare({folder.file(QStringLiteral("sounds/correct.wma"))});
        QVERIFY(prepared.loaded());

        // Without its module the program stays silent, and goes on.
        const ProgramFolderFixture bare(false);
        outside::LazySoundPlayer lost(bare.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^No sound: ")));
        lost.setUrl(missingSound);
        QVERIFY(!lost.loaded());
    }
};

QTEST_GUILESS_MAIN(SoundModuleTest)
#include "SoundModuleTest.moc"
