// Sound files decoded for the output stream on Linux: 16-bit samples, interleaved
// stereo at the stream's rate, at the game's volume. FFmpeg
// decodes it (libavformat reads the file, libavcodec decodes, libswresample
// converts): the same WMA decoder that GStreamer's libav plugin wraps, called
// straight from the player's thread, with no pipeline, plugin registry or event
// loop around it.
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
