#include "outside/linux/MediaSoundPlayer.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace outside {

MediaSoundPlayer::MediaSoundPlayer() = default;
MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::createPlayer()
{
    m_player.reset();
    m_file.reset();
    m_player = std::make_unique<QMediaPlayer>();
    m_output = std::make_unique<QAudioOutput>();
    m_output->setVolume(kVolume);
    m_player->setAudioOutput(m_output.get());
}

void MediaSoundPlayer::setUrl(const QString &path)
{
    // Each sound gets a fresh player, which ends the sound of the one before: a player
    // given a new source or told to stop while its last file still loads, or after that
    // file failed, can stall the window for a second.
    // The file goes in as a device, whose data the player reads on this thread once
    // the event loop runs. Given a path, the player's own threads start decoding while
    // it still sets itself up here, and now and then the two lock each other up for good.
    createPlayer();
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        return;
    m_player->setSourceDevice(file.get(), QUrl::fromLocalFile(path));
    m_file = std::move(file);
    m_player->play();
}

} // namespace outside
