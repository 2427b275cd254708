#include "outside/qt/SoundAsPlayed.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace outside {

namespace {

// -50 dBFS in the file, at the level the decoder leaves it: the game's volume.
constexpr int kSilence = int(0.00316 * kSoundVolume * std::numeric_limits<qint16>::max());

} // namespace

std::size_t mostSamples(int rate, int channels)
{
    return std::size_t(kMostSoundSeconds) * std::size_t(std::max(rate, 0)) * std::size_t(std::max(channels, 0));
}

SharedPcm asPlayed(DecodedPcm decoded)
{
    if (!decoded)
        return nullptr;
    std::vector<qint16> &samples = decoded->samples;
    if (samples.size() > mostSamples(decoded->rate, decoded->channels))
        samples.resize(mostSamples(decoded->rate, decoded->channels));
    const auto heard = std::find_if(samples.begin(), samples.end(), [](qint16 s) { return std::abs(s) >= kSilence; });
    if (heard != samples.end()) {
        const std::size_t frameStart = std::size_t(heard - samples.begin()) / std::size_t(std::max(decoded->channels, 1))
            * std::size_t(std::max(decoded->channels, 1));
        samples.erase(samples.begin(), samples.begin() + std::ptrdiff_t(frameStart));
    }
    if (samples.empty())
        return nullptr;
    return decoded;
}

} // namespace outside
