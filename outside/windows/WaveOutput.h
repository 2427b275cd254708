// Sound output through Windows' wave-out device, kept open between sounds so that
// a sound starts as soon as it is written. Windows' mixer takes any rate.
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

    void play(SharedPcm sound) override;

private:
    bool open(const Pcm &format);
    void close();
    void stop();

    HWAVEOUT m_device = nullptr;
    int m_rate = 0;
    int m_channels = 0;
    WAVEHDR m_header{};
    SharedPcm m_playing;
};

} // namespace outside
