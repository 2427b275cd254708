// The one playback stream to the desktop's sound server (PulseAudio, or PipeWire
// through its PulseAudio service), kept open for the whole game with a buffer of a
// few milliseconds, so a sound is heard as soon as it is handed over. libpulse runs
// the stream on a thread of its own.
#pragma once

#include "outside/ffmpeg/DecodedSound.h"
#include "outside/qt/PcmOutput.h"

#include <cstddef>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace outside {

class PulseOutput : public PcmOutput
{
public:
    // Connects to the server in the background.
    PulseOutput();
    ~PulseOutput() override;
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    // Where the server has gone, or was never there, this connects again first, so
    // sound comes back when the server does; until then nothing plays. Sounds are
    // in the stream's format, as the decoder gives them.
    void play(SharedPcm sound) override;

    // The buffer the server keeps ahead of what is heard.
    static constexpr int kBufferMilliseconds = 20;

private:
    // These run with the thread's lock held.
    void connect();
    void disconnect();
    void openStream();
    void closeStream();
    void writeMore(std::size_t bytes);
    static void onContextState(pa_context *context, void *self);
    static void onStreamState(pa_stream *stream, void *self);
    static void onWritable(pa_stream *stream, std::size_t bytes, void *self);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    SharedPcm m_sound;
    std::size_t m_written = 0; // bytes of m_sound
};

} // namespace outside
