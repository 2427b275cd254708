#include "outside/windows/WaveOutput.h"

namespace outside {

WaveOutput::~WaveOutput()
{
    close();
}

bool WaveOutput::open(const Pcm &format)
{
    if (m_device && m_rate == format.rate && m_channels == format.channels)
        return true;
    close();
    WAVEFORMATEX wave{};
    wave.wFormatTag = WAVE_FORMAT_PCM;
    wave.nChannels = WORD(format.channels);
    wave.nSamplesPerSec = DWORD(format.rate);
    wave.wBitsPerSample = 16;
    wave.nBlockAlign = WORD(format.channels * 2);
    wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
    // Tried again at the next sound when it fails, so sound comes back with the device.
    if (waveOutOpen(&m_device, WAVE_MAPPER, &wave, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        m_device = nullptr;
        return false;
    }
    m_rate = format.rate;
    m_channels = format.channels;
    return true;
}

void WaveOutput::close()
{
    if (!m_device)
        return;
    stop();
    waveOutClose(m_device);
    m_device = nullptr;
}

void WaveOutput::stop()
{
    if (!m_device || !m_playing)
        return;
    // Marks the buffer done, so it can be released at once.
    waveOutReset(m_device);
    waveOutUnprepareHeader(m_device, &m_header, sizeof m_header);
    m_playing.reset();
}

void WaveOutput::play(SharedPcm sound)
{
    stop();
    if (!sound || !open(*sound))
        return;
    m_header = WAVEHDR{};
    m_header.lpData = reinterpret_cast<LPSTR>(const_cast<qint16 *>(sound->samples.data()));
    m_header.dwBufferLength = DWORD(sound->samples.size() * sizeof(qint16));
    if (waveOutPrepareHeader(m_device, &m_header, sizeof m_header) != MMSYSERR_NOERROR)
        return;
    if (waveOutWrite(m_device, &m_header, sizeof m_header) != MMSYSERR_NOERROR) {
        // A device that went away: opened afresh at the next sound.
        waveOutUnprepareHeader(m_device, &m_header, sizeof m_header);
        close();
        return;
    }
    m_playing = std::move(sound);
}

} // namespace outside
