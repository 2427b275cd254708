// A sound decoded once, ready to hand to an output stream as it is.
#pragma once

#include <QByteArray>

namespace outside {

struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    // Signed 16-bit samples, channels interleaved, in the machine's byte order.
    QByteArray samples;
};

} // namespace outside
