// The sound player on Windows: Media Foundation decodes the files, the wave-out
// device plays them.
#pragma once

#include "outside/qt/DecodedSoundPlayer.h"

namespace outside {

class WindowsSoundPlayer : public DecodedSoundPlayer
{
public:
    WindowsSoundPlayer();
};

} // namespace outside
