// Sound files decoded by Windows' Media Foundation, which reads WMA on every
// Windows without a codec of ours.
#pragma once

#include "outside/qt/PcmDecoder.h"

namespace outside {

class MediaFoundationDecoder : public PcmDecoder
{
public:
    ~MediaFoundationDecoder() override;

    std::optional<PcmSound> decode(const QString &path) override;

private:
    bool m_started = false;
};

} // namespace outside
