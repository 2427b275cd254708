#include "outside/qt/SoundAsPlayed.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace outside {

namespace {

// -50 dBFS in the file, at the level the decoder leaves it: the game's volume.
constexpr int kSilence = int(0.00316 * kSoundVolume * std::numeric_limits<qint16>::max());

std::size_t samplesIn(int seconds, int rate, int channels)
{
    return std::size_t(seconds) * std::size_t(std::max(rate, 0)) * std::size_t(std::max(channels, 0));
}

} // namespace

std::size_t mostDecodedSamples(int rate, int channels)
{
    return samplesIn(kMostDecodedSeconds, rate, channels);
}

SharedPcm asPlayed(DecodedPcm decoded)
{
    if (!decoded)
        return nullptr;
    std::vector<qint16> &samples = decoded->samples;
    // A decoder stops at the end of a frame, past the bound: every platform looks as far.
    samples.resize(std::min(samples.size(), mostDecodedSamples(decoded->rate, decoded->channels)));
    const auto heard = std::find_if(samples.begin(), samples.end(), [](qint16 s) { return std::abs(s) >= kSilence; });
    const std::size_t channels = std::size_t(std::max(decoded->channels, 1));
    const std::size_t start = heard == samples.end() ? 0 : std::size_t(heard - samples.begin()) / channels * channels;
    const std::size_t most = samplesIn(kMostSoundSeconds, decoded->rate, decoded->channels);
    const std::size_t end = std::min(samples.size(), start + most);
    samples.erase(samples.begin() + std::ptrdiff_t(end), samples.end());
    samples.erase(samples.begin(), samples.begin() + std::ptrdiff_t(start));
    if (samples.empty())
        return nullptr;
    samples.shrink_to_fit();
    return decoded;
}

} // namespace outside
