// Sounds that start the moment they are asked for. Each file is decoded once, on a
// thread of the player's own, and handed to one output stream that stays open. A
// file is decoded again only when its size or time stamp has changed, so a sound
// file changed while the game runs plays as it now is on disk; a file that is gone,
// empty or cannot be decoded plays nothing, and still cuts off the sound before it.
#pragma once

#include "outside/qt/PcmDecoder.h"
#include "outside/qt/PcmOutput.h"
#include "shell/SoundPlayer.h"

#include <QStringList>
#include <QThread>

#include <memory>

namespace outside {

class SoundLibrary;

class DecodedSoundPlayer : public shell::SoundPlayer
{
public:
    DecodedSoundPlayer(std::unique_ptr<PcmDecoder> decoder, std::unique_ptr<PcmOutput> output);
    ~DecodedSoundPlayer() override;

    // Hands the request to the sound thread and returns at once.
    void setUrl(const QString &path) override;
    // Decodes these files ahead, so that the first drop does not wait for them.
    void prepare(const QStringList &paths);

private:
    void startThread();

    QThread m_thread;
    SoundLibrary *m_library;
};

} // namespace outside
