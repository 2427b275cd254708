// What a decoded file plays, by one rule on every platform. A drop's sound lasts a
// second or two: a long file put in its place plays its first kMostSoundSeconds,
// and memory stays bounded. Silence before the sound would only delay it, and
// every encoded file starts with some (its encoder's first frame), so the sound
// starts at its first sample above -50 dBFS; a file quiet throughout has no such
// sample and plays whole, as it is still a sound.
#pragma once

#include "outside/qt/Pcm.h"

#include <cstddef>

namespace outside {

inline constexpr int kMostSoundSeconds = 30;

// The samples a decoder need read of a file decoded to this format.
std::size_t mostSamples(int rate, int channels);

// The decoded sound as it plays; null stays null.
SharedPcm asPlayed(DecodedPcm decoded);

} // namespace outside
