// What a decoded file plays, by one rule on every platform. A drop's sound lasts a
// second or two: a long file put in its place plays at most kMostSoundSeconds, and
// memory stays bounded. Silence before the sound would only delay it, and every
// encoded file starts with some (its encoder's first frame), so the sound starts at
// its first sample above -50 dBFS, looked for in the first kMostDecodedSeconds of the
// file. A file with no such sample there is quiet, not silent: it plays from its
// start, as it is still a sound.
#pragma once

#include "outside/qt/Pcm.h"

#include <cstddef>

namespace outside {

inline constexpr int kMostSoundSeconds = 30;
inline constexpr int kMostDecodedSeconds = 60;

// The samples a decoder need read of a file decoded to this format.
std::size_t mostDecodedSamples(int rate, int channels);

// The decoded sound as it plays; null stays null.
SharedPcm asPlayed(DecodedPcm decoded);

} // namespace outside
