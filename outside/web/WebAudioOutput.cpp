#include "outside/web/WebAudioOutput.h"

#include <emscripten.h>

#include <algorithm>

namespace {

// clang-format off
// The page's audio context, which it resumes at the player's gestures.
EM_JS(void, quillmere_audio_open, (), {
    Module.quillmereAudio = { context: Module.quillmerePage.audioContext, buffers: new Map(), playing: null };
});

EM_JS(void, quillmere_audio_hand_over, (int buffer, const short *samples, int frames, int channels, int rate), {
    const audio = Module.quillmereAudio;
    if (!audio.context)
        return;
    const sound = audio.context.createBuffer(channels, frames, rate);
    const interleaved = HEAP16.subarray(samples >> 1, (samples >> 1) + frames * channels);
    for (let c = 0; c < channels; ++c) {
        const channel = sound.getChannelData(c);
        for (let f = 0; f < frames; ++f)
            channel[f] = interleaved[f * channels + c] / 32768;
    }
    audio.buffers.set(buffer, sound);
});

EM_JS(void, quillmere_audio_forget, (int buffer), {
    Module.quillmereAudio.buffers.delete(buffer);
});

EM_JS(void, quillmere_audio_play, (int buffer), {
    const audio = Module.quillmereAudio;
    if (audio.playing) {
        audio.playing.stop();
        audio.playing = null;
    }
    const sound = audio.buffers.get(buffer);
    if (!audio.context || !sound)
        return;
    const source = audio.context.createBufferSource();
    source.buffer = sound;
    source.connect(audio.context.destination);
    source.start();
    audio.playing = source;
});
// clang-format on

} // namespace

namespace outside {

WebAudioOutput::WebAudioOutput()
{
    quillmere_audio_open();
}

WebAudioOutput::~WebAudioOutput()
{
    for (const Handed &handed : m_handed)
        quillmere_audio_forget(handed.buffer);
}

int WebAudioOutput::bufferOf(const SharedPcm &sound)
{
    std::erase_if(m_handed, [](const Handed &handed) {
        if (!handed.sound.expired())
            return false;
        quillmere_audio_forget(handed.buffer);
        return true;
    });
    const auto known = std::find_if(m_handed.begin(), m_handed.end(),
                                    [&](const Handed &handed) { return handed.sound.lock() == sound; });
    if (known != m_handed.end())
        return known->buffer;
    const int buffer = m_nextBuffer++;
    const int frames = int(sound->samples.size()) / sound->channels;
    quillmere_audio_hand_over(buffer, sound->samples.data(), frames, sound->channels, sound->rate);
    m_handed.push_back({sound, buffer});
    return buffer;
}

void WebAudioOutput::play(SharedPcm sound)
{
    quillmere_audio_play(sound ? bufferOf(sound) : 0);
}

} // namespace outside
