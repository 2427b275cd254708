// The platform's decoder of sound files, as the decoded sound player uses it.
#pragma once

#include "outside/qt/PcmSound.h"

#include <QString>

#include <optional>

namespace outside {

class PcmDecoder
{
public:
    virtual ~PcmDecoder() = default;
    // The whole file as PCM; nothing for a file that cannot be decoded. Runs on
    // the sound thread and may take as long as decoding takes.
    virtual std::optional<PcmSound> decode(const QString &path) = 0;
};

} // namespace outside
