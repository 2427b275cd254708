// The sound player on Linux: FFmpeg decodes the files, one PulseAudio stream plays them.
#pragma once

#include "outside/qt/DecodedSoundPlayer.h"

namespace outside {

class LinuxSoundPlayer : public DecodedSoundPlayer
{
public:
    // Decodes `sounds` ahead, before any is asked for.
    explicit LinuxSoundPlayer(const QStringList &sounds = {});
};

} // namespace outside
