// A sound file decoded once, ready to hand to the output stream as it is: 16-bit
// samples, interleaved stereo at the output's rate, at the game's volume. FFmpeg
// decodes it (libavformat reads the file, libavcodec decodes, libswresample
// converts): the same WMA decoder that GStreamer's libav plugin wraps, called
// straight from the player's thread, with no pipeline, plugin registry or event
// loop around it.
#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace outside {

using Pcm = std::vector<qint16>;
using SharedPcm = std::shared_ptr<const Pcm>;

inline constexpr int kPcmRate = 48000;
inline constexpr int kPcmChannels = 2;
// Sounds play at this share of their recorded level.
inline constexpr float kSoundVolume = 0.37f;

// The sound in the file at `path`; null when the file holds no sound that can be
// decoded. Reads nothing else and writes nothing.
SharedPcm decodeSoundFile(const QString &path);

} // namespace outside
