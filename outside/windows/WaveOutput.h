// Sound output through Windows' wave-out device, kept open between sounds so that
// a sound starts as soon as it is written.
#pragma once

#include "outside/qt/PcmOutput.h"

#include <windows.h>
#include <mmsystem.h>

namespace outside {

class WaveOutput : public PcmOutput
{
public:
    WaveOutput() = default;
    WaveOutput(const WaveOutput &) = delete;
    WaveOutput &operator=(const WaveOutput &) = delete;
    ~WaveOutput() override;

    void play(std::shared_ptr<const PcmSound> sound) override;
    void stop() override;

private:
    bool open(const PcmSound &format);
    void close();

    HWAVEOUT m_device = nullptr;
    int m_sampleRate = 0;
    int m_channels = 0;
    WAVEHDR m_header{};
    std::shared_ptr<const PcmSound> m_playing;
};

} // namespace outside
