#include "outside/linux/LinuxSoundPlayer.h"

#include "outside/ffmpeg/DecodedSound.h"
#include "outside/linux/PulseOutput.h"

namespace outside {

LinuxSoundPlayer::LinuxSoundPlayer(const QStringList &sounds)
    : DecodedSoundPlayer(decodeSoundFile, std::make_unique<PulseOutput>())
{
    if (!sounds.isEmpty())
        prepare(sounds);
}

} // namespace outside
