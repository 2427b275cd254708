// The platform's sound output: one stream or device kept open for the whole game,
// so that a sound starts as soon as it is handed over.
#pragma once

#include "outside/qt/Pcm.h"

namespace outside {

class PcmOutput
{
public:
    virtual ~PcmOutput() = default;
    // Plays `sound` from its start, cutting off whatever plays; null plays nothing.
    // Where there is no device, nothing plays, and the next sound tries again.
    virtual void play(SharedPcm sound) = 0;
};

} // namespace outside
