// The platform's sound output, as the decoded sound player uses it.
#pragma once

#include "outside/qt/PcmSound.h"

#include <memory>

namespace outside {

class PcmOutput
{
public:
    virtual ~PcmOutput() = default;
    // Cuts off what plays and starts `sound`; silent when there is no device.
    // The output keeps the sound alive while it plays.
    virtual void play(std::shared_ptr<const PcmSound> sound) = 0;
    virtual void stop() = 0;
};

} // namespace outside
