// Sound output in a web page: Web Audio, through one AudioContext kept for the
// whole game. Each decoded sound is handed to the page once, as an AudioBuffer,
// and a drop only starts it, so it sounds within the context's output latency.
// Browsers keep a page silent until the player's first gesture: the context is
// resumed at the first press, tap or key.
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
