// The sound player on Qt Multimedia's GStreamer backend, playing the shipped files
// for real (silently, where the machine has no sound device).
#include "ProgramFolderFixture.h"

#include "outside/linux/MediaSoundPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QtTest>

class SoundPlayerTest : public QObject
{
    Q_OBJECT

    testing::ProgramFolderFixture m_folder;

    QString sound(const char *name) const { return m_folder.file(QStringLiteral("sounds/%1.wma").arg(QLatin1String(name))); }

private slots:
    void startsAtOnceAtItsVolume()
    {
        outside::MediaSoundPlayer player;
        QVERIFY(!player.mediaPlayer()); // nothing is made before the first sound
        player.setUrl(sound("correct"));
        QVERIFY(player.mediaPlayer());
        QCOMPARE(player.mediaPlayer()->source(), QUrl::fromLocalFile(sound("correct")));
        QCOMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
        QCOMPARE(player.mediaPlayer()->audioOutput()->volume(), 0.37f);
        QTRY_VERIFY(player.mediaPlayer()->mediaStatus() == QMediaPlayer::BufferedMedia
                    || player.mediaPlayer()->mediaStatus() == QMediaPlayer::EndOfMedia);
        QCOMPARE(player.mediaPlayer()->error(), QMediaPlayer::NoError);
    }

    void newSoundReplacesThePlayingOne()
    {
        outside::MediaSoundPlayer player;
        player.setUrl(sound("complete"));
        QTRY_COMPARE(player.mediaPlayer()->mediaStatus(), QMediaPlayer::BufferedMedia);
        player.setUrl(sound("wrong"));
        QCOMPARE(player.mediaPlayer()->source(), QUrl::fromLocalFile(sound("wrong")));
        QCOMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
    }

    void missingFileIsSilentAndNeverReachesThePlayer()
    {
        outside::MediaSoundPlayer player;
        player.setUrl(sound("complete"));
        QPointer<const QMediaPlayer> playing = player.mediaPlayer();
        player.setUrl(m_folder.file(QStringLiteral("sounds/none.wma")));
        QVERIFY(playing.isNull()); // its sound ended with it
        QCOMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::StoppedState);
        QVERIFY(player.mediaPlayer()->source().isEmpty());
        player.setUrl(sound("correct"));
        QCOMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
    }

    void brokenFileHandsOverToAFreshPlayer()
    {
        // After a failure a player may stall on its next source; a fresh one plays instead.
        m_folder.write(QStringLiteral("sounds/garbage.wma"), QByteArray(4000, '\x5a'));
        outside::MediaSoundPlayer player;
        player.setUrl(m_folder.file(QStringLiteral("sounds/garbage.wma")));
        QPointer<const QMediaPlayer> failed = player.mediaPlayer();
        QTRY_COMPARE(failed->error(), QMediaPlayer::ResourceError);
        player.setUrl(sound("correct"));
        QVERIFY(failed.isNull());
        QCOMPARE(player.mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
        QCOMPARE(player.mediaPlayer()->audioOutput()->volume(), 0.37f);
    }

    void loadingPlayerHandsOverToAFreshPlayer()
    {
        // While it loads, a broken file has not failed yet, and a player stalls or locks
        // up on its next source or stop: on fast drops, or the right and the completion
        // sound of the last drop.
        m_folder.write(QStringLiteral("sounds/garbage.wma"), QByteArray(4000, '\x5a'));
        for (const QString &next : {sound("correct"), m_folder.file(QStringLiteral("sounds/none.wma"))}) {
            outside::MediaSoundPlayer player;
            player.setUrl(m_folder.file(QStringLiteral("sounds/garbage.wma")));
            QPointer<const QMediaPlayer> loading = player.mediaPlayer();
            QCOMPARE(loading->mediaStatus(), QMediaPlayer::LoadingMedia);
            player.setUrl(next);
            QVERIFY(loading.isNull());
        }
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
