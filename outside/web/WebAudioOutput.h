// Sound output in a web page: Web Audio, through one AudioContext kept for the
// whole game. Each decoded sound is handed to the page once, as an AudioBuffer,
// and a drop only starts it, so it sounds within the context's output latency.
// The context is the page's (page-audio.js), which browsers keep silent until the
// player's first gesture and the page resumes then.
#pragma once

#include "outside/qt/PcmOutput.h"

#include <vector>

namespace outside {

class WebAudioOutput : public PcmOutput
{
public:
    WebAudioOutput();
    WebAudioOutput(const WebAudioOutput &) = delete;
    WebAudioOutput &operator=(const WebAudioOutput &) = delete;
    ~WebAudioOutput() override;

    void play(SharedPcm sound) override;

private:
    // The page's buffer of `sound`, handed over on its first play. A sound decoded
    // anew (its file changed) is a new one, and the page forgets the old one's.
    int bufferOf(const SharedPcm &sound);

    struct Handed {
        std::weak_ptr<const Pcm> sound;
        int buffer;
    };
    std::vector<Handed> m_handed;
    int m_nextBuffer = 1;
};

} // namespace outside
