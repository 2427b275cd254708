#include "outside/windows/MediaFoundationDecoder.h"

#include "outside/qt/SoundAsPlayed.h"

#include <QDir>

#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <cmath>

namespace outside {

namespace {

using Microsoft::WRL::ComPtr;

constexpr DWORD kAudio = DWORD(MF_SOURCE_READER_FIRST_AUDIO_STREAM);

// COM and Media Foundation, ready on this thread for as long as it lives.
class MediaFoundationOnThisThread
{
public:
    MediaFoundationOnThisThread()
    {
        m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        m_ready = m_com && SUCCEEDED(MFStartup(MF_VERSION, MFSTARTUP_LITE));
    }
    ~MediaFoundationOnThisThread()
    {
        if (m_ready)
            MFShutdown();
        if (m_com)
            CoUninitialize();
    }
    bool ready() const { return m_ready; }

private:
    bool m_com = false;
    bool m_ready = false;
};

// Asks the reader for 16-bit PCM at the file's own rate and channels: the
// reader of every Windows converts to that, though not always between rates.
bool choosePcm(IMFSourceReader &reader)
{
    ComPtr<IMFMediaType> pcm;
    return SUCCEEDED(MFCreateMediaType(&pcm)) && SUCCEEDED(pcm->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio))
        && SUCCEEDED(pcm->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM))
        && SUCCEEDED(pcm->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16))
        && SUCCEEDED(reader.SetStreamSelection(DWORD(MF_SOURCE_READER_ALL_STREAMS), FALSE))
        && SUCCEEDED(reader.SetStreamSelection(kAudio, TRUE))
        && SUCCEEDED(reader.SetCurrentMediaType(kAudio, nullptr, pcm.Get()));
}

bool readFormat(IMFSourceReader &reader, Pcm &sound)
{
    ComPtr<IMFMediaType> type;
    UINT32 rate = 0;
    UINT32 channels = 0;
    UINT32 bits = 0;
    if (FAILED(reader.GetCurrentMediaType(kAudio, &type)) || FAILED(type->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate))
        || FAILED(type->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels))
        || FAILED(type->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits)) || bits != 16 || rate == 0 || channels == 0)
        return false;
    sound.rate = int(rate);
    sound.channels = int(channels);
    return true;
}

bool appendAtVolume(IMFSample &sample, std::vector<qint16> &samples)
{
    ComPtr<IMFMediaBuffer> buffer;
    BYTE *data = nullptr;
    DWORD length = 0;
    if (FAILED(sample.ConvertToContiguousBuffer(&buffer)) || FAILED(buffer->Lock(&data, nullptr, &length)))
        return false;
    const auto *first = reinterpret_cast<const qint16 *>(data);
    std::transform(first, first + length / sizeof(qint16), std::back_inserter(samples),
                   [](qint16 s) { return qint16(std::lround(s * kSoundVolume)); });
    buffer->Unlock();
    return true;
}

} // namespace

DecodedPcm decodeWithMediaFoundation(const QString &path)
{
    thread_local MediaFoundationOnThisThread mediaFoundation;
    ComPtr<IMFSourceReader> reader;
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    auto sound = std::make_unique<Pcm>();
    if (!mediaFoundation.ready() || FAILED(MFCreateSourceReaderFromURL(native.c_str(), nullptr, &reader))
        || !choosePcm(*reader.Get()) || !readFormat(*reader.Get(), *sound))
        return nullptr;
    const std::size_t most = mostDecodedSamples(sound->rate, sound->channels);
    while (sound->samples.size() < most) {
        DWORD flags = 0;
        ComPtr<IMFSample> sample;
        if (FAILED(reader->ReadSample(kAudio, 0, nullptr, &flags, nullptr, &sample)))
            return nullptr;
        if (flags & MF_SOURCE_READERF_ENDOFSTREAM)
            break;
        if (sample && !appendAtVolume(*sample.Get(), sound->samples))
            return nullptr;
    }
    if (sound->samples.empty())
        return nullptr;
    return sound;
}

} // namespace outside
