// The program's sound player on Linux: each sound file decoded once, ahead of the
// first drop, and played through one stream kept open to the sound server. The
// window's thread only hands the path over: checking the file, decoding it where it
// changed and starting the stream happen on the player's own thread, so a drop is
// judged at full speed whatever the files or the server do.
#pragma once

#include "outside/linux/PulseOutput.h"
#include "outside/linux/SoundFiles.h"
#include "shell/SoundPlayer.h"

#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace outside {

class DecodedSoundPlayer : public shell::SoundPlayer
{
public:
    // Decodes `sounds` first, before any is asked for.
    explicit DecodedSoundPlayer(const QStringList &sounds = {});
    ~DecodedSoundPlayer() override;

    void setUrl(const QString &path) override;

    // Waits until the player has done all it was asked, the decoding of `sounds` too.
    void waitUntilIdle();

private:
    void work();

    std::mutex m_lock;
    std::condition_variable m_changed;
    // Only the newest sound asked for counts: it would cut off any before it.
    std::optional<QString> m_asked;
    QStringList m_toDecode;
    bool m_busy = false;
    bool m_ending = false;

    // The player's thread alone touches these.
    SoundFiles m_files;
    PulseOutput m_output;

    std::thread m_thread;
};

} // namespace outside
