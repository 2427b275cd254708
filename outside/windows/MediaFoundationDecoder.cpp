#include "outside/windows/MediaFoundationDecoder.h"

#include <QDir>

#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <windows.h>
#include <wrl/client.h>

namespace outside {

namespace {

using Microsoft::WRL::ComPtr;

constexpr DWORD kAudio = DWORD(MF_SOURCE_READER_FIRST_AUDIO_STREAM);
// The sound of a drop lasts a second or two; a long file put in its place plays
// its beginning, and memory stays bounded.
constexpr int kMostSeconds = 30;

// Asks the reader for 16-bit PCM at the file's own rate and channels.
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

bool readFormat(IMFSourceReader &reader, PcmSound &sound)
{
    ComPtr<IMFMediaType> type;
    UINT32 rate = 0;
    UINT32 channels = 0;
    UINT32 bits = 0;
    if (FAILED(reader.GetCurrentMediaType(kAudio, &type)) || FAILED(type->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate))
        || FAILED(type->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels))
        || FAILED(type->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits)) || bits != 16 || rate == 0 || channels == 0)
        return false;
    sound.sampleRate = int(rate);
    sound.channels = int(channels);
    return true;
}

bool appendSample(IMFSample &sample, QByteArray &samples)
{
    ComPtr<IMFMediaBuffer> buffer;
    BYTE *data = nullptr;
    DWORD length = 0;
    if (FAILED(sample.ConvertToContiguousBuffer(&buffer)) || FAILED(buffer->Lock(&data, nullptr, &length)))
        return false;
    samples.append(reinterpret_cast<const char *>(data), qsizetype(length));
    buffer->Unlock();
    return true;
}

} // namespace

MediaFoundationDecoder::~MediaFoundationDecoder()
{
    if (m_started) {
        MFShutdown();
        CoUninitialize();
    }
}

std::optional<PcmSound> MediaFoundationDecoder::decode(const QString &path)
{
    // Started on the thread that decodes, the first time it does.
    if (!m_started) {
        if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
            return std::nullopt;
        if (FAILED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) {
            CoUninitialize();
            return std::nullopt;
        }
        m_started = true;
    }
    ComPtr<IMFSourceReader> reader;
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    PcmSound sound;
    if (FAILED(MFCreateSourceReaderFromURL(native.c_str(), nullptr, &reader)) || !choosePcm(*reader.Get())
        || !readFormat(*reader.Get(), sound))
        return std::nullopt;
    for (;;) {
        DWORD flags = 0;
        ComPtr<IMFSample> sample;
        if (FAILED(reader->ReadSample(kAudio, 0, nullptr, &flags, nullptr, &sample)))
            return std::nullopt;
        if (flags & MF_SOURCE_READERF_ENDOFSTREAM)
            break;
        if (sample && !appendSample(*sample.Get(), sound.samples))
            return std::nullopt;
        if (sound.samples.size() >= qsizetype(kMostSeconds) * sound.sampleRate * sound.channels * 2)
            break;
    }
    if (sound.samples.isEmpty())
        return std::nullopt;
    return sound;
}

} // namespace outside
