// The program's sound player: each sound file decoded once, ahead of the first
// drop, and played through one output kept open for the whole game. The window's
// thread only hands the path over: checking the file, decoding it where it changed
// and starting the output happen on the player's own thread, so a drop is judged
// at full speed whatever the files or the sound system do. Where no thread can be
// started (a web page), that work runs on the caller's thread instead. Each
// platform gives the decoder and the output.
#pragma once

#include "outside/qt/PcmOutput.h"
#include "outside/qt/SoundFiles.h"
#include "shell/SoundPlayer.h"

#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace outside {

class DecodedSoundPlayer : public shell::SoundPlayer
{
public:
    // Starts no thread yet: that waits for the first sound or prepare().
    DecodedSoundPlayer(SoundDecoder decode, std::unique_ptr<PcmOutput> output);
    ~DecodedSoundPlayer() override;

    void setUrl(const QString &path) override;
    // Decodes `sounds` ahead, before any is asked for.
    void prepare(const QStringList &sounds);

    // Waits until the player has done all it was asked, the decoding ahead too.
    void waitUntilIdle();

private:
    // Called with m_lock held.
    void startThread();
    void work();
    // Without a thread of its own, does what was asked on the caller's thread.
    void workInline();
    // Does one thing asked for; called with `lock` held, which it lets go meanwhile.
    void doNext(std::unique_lock<std::mutex> &lock);

    std::mutex m_lock;
    std::condition_variable m_changed;
    // Only the newest sound asked for counts: it would cut off any before it.
    std::optional<QString> m_asked;
    QStringList m_toDecode;
    bool m_busy = false;
    bool m_ending = false;
    bool m_inline = false;

    // The player's thread alone touches these.
    SoundFiles m_files;
    std::unique_ptr<PcmOutput> m_output;

    std::thread m_thread;
};

} // namespace outside
