// Sound files decoded for the output, on Linux and in a web page alike: 16-bit
// samples, interleaved stereo at the output's rate, at the game's volume. FFmpeg
// decodes it (libavformat reads the file, libavcodec decodes, libswresample
// converts): the same WMA decoder that GStreamer's libav plugin wraps, called
// straight from the player, with no pipeline, plugin registry or event loop
// around it. On Linux it is Debian's FFmpeg; a web page has the same source's
// WMA decoding built for it, as browsers decode no WMA.
#pragma once

#include "outside/qt/Pcm.h"

namespace outside {

// The stream's format, which every decoded sound has.
inline constexpr int kPcmRate = 48000;
inline constexpr int kPcmChannels = 2;

// The sound in the file at `path`; null when the file holds no sound that can be
// decoded. Reads nothing else and writes nothing.
DecodedPcm decodeSoundFile(const QString &path);

} // namespace outside
