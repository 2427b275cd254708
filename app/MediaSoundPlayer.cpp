#include "app/MediaSoundPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace app {

MediaSoundPlayer::MediaSoundPlayer() = default;
MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::createPlayer()
{
    m_player = std::make_unique<QMediaPlayer>();
    m_output = std::make_unique<QAudioOutput>();
    m_output->setVolume(kVolume);
    m_player->setAudioOutput(m_output.get());
    QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                     [this] { m_failed = true; });
    m_failed = false;
}

void MediaSoundPlayer::setUrl(const QString &path)
{
    // The player is made on first use, so it never delays the window's first frame.
    // A player that failed, or that is still loading a file that may yet fail, can
    // stall for a second on its next source or stop, so a fresh one takes over.
    if (!m_player || m_failed || m_player->mediaStatus() == QMediaPlayer::LoadingMedia)
        createPlayer();
    if (!QFileInfo(path).isFile()) {
        m_player->stop();
        return;
    }
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

} // namespace app
