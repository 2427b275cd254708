// The sound player: Qt Multimedia, playing each file as soon as it is assigned.
#pragma once

#include "shell/SoundPlayer.h"

#include <memory>

class QAudioOutput;
class QFile;
class QMediaPlayer;

namespace outside {

class MediaSoundPlayer : public shell::SoundPlayer
{
public:
    MediaSoundPlayer();
    ~MediaSoundPlayer() override;

    void setUrl(const QString &path) override;

    static constexpr float kVolume = 0.37f;

    // The player now in use; none before the first sound.
    const QMediaPlayer *mediaPlayer() const { return m_player.get(); }

private:
    void createPlayer();

    std::unique_ptr<QFile> m_file;
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
};

} // namespace outside
