#include "outside/windows/WindowsSoundPlayer.h"

#include "outside/windows/MediaFoundationDecoder.h"
#include "outside/windows/WaveOutput.h"

namespace outside {

WindowsSoundPlayer::WindowsSoundPlayer()
    : DecodedSoundPlayer(decodeWithMediaFoundation, std::make_unique<WaveOutput>())
{
}

} // namespace outside
