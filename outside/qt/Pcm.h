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
// A decoder's sound, before it is made ready to play.
using DecodedPcm = std::unique_ptr<Pcm>;

// Sounds play at this share of their recorded level.
inline constexpr float kSoundVolume = 0.37f;

// The platform's decoder: the sound in the file at `path`, from its first sample,
// or null when the file holds no sound it can decode. It may stop reading at
// mostDecodedSamples() (SoundAsPlayed.h). Reads nothing else and writes nothing.
using SoundDecoder = std::function<DecodedPcm(const QString &path)>;

} // namespace outside
