// A sound decoded once, ready to hand to an output as it is.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

namespace outside {

struct Pcm {
    int rate = 0;
    int channels = 0;
    // 16-bit samples, channels interleaved, already at the game's volume.
    std::vector<qint16> samples;
};
using SharedPcm = std::shared_ptr<const Pcm>;

// Sounds play at this share of their recorded level.
inline constexpr float kSoundVolume = 0.37f;

// The platform's decoder: the sound in the file at `path`, or null when the file
// holds no sound it can decode. Reads nothing else and writes nothing.
using SoundDecoder = std::function<SharedPcm(const QString &path)>;

} // namespace outside
