#include "outside/linux/PulseOutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>

namespace outside {

namespace {

constexpr pa_sample_spec kSpec{PA_SAMPLE_S16NE, kPcmRate, kPcmChannels};

// The thread's lock, held for a scope.
class Locked
{
public:
    explicit Locked(pa_threaded_mainloop *loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~Locked() { pa_threaded_mainloop_unlock(m_loop); }

private:
    pa_threaded_mainloop *m_loop;
};

bool gone(pa_context *context)
{
    return !context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context));
}

} // namespace

PulseOutput::PulseOutput()
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop || pa_threaded_mainloop_start(m_loop) < 0)
        return;
    const Locked lock(m_loop);
    connect();
}

PulseOutput::~PulseOutput()
{
    if (!m_loop)
        return;
    {
        const Locked lock(m_loop);
        disconnect();
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseOutput::connect()
{
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Quillmere");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Quillmere", properties);
    pa_proplist_free(properties);
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, &PulseOutput::onContextState, this);
    // Never start a server of our own: without one the game is silent.
    pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseOutput::disconnect()
{
    closeStream();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
}

void PulseOutput::onContextState(pa_context *context, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    if (pa_context_get_state(context) == PA_CONTEXT_READY && !output->m_stream)
        output->openStream();
}

void PulseOutput::openStream()
{
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    m_stream = pa_stream_new_with_proplist(m_context, "Quillmere sounds", &kSpec, nullptr, properties);
    pa_proplist_free(properties);
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, &PulseOutput::onStreamState, this);
    pa_stream_set_write_callback(m_stream, &PulseOutput::onWritable, this);
    // A short target buffer, and the server told to set its own latency to match:
    // by default it keeps two seconds.
    const std::uint32_t unset = std::uint32_t(-1);
    const pa_buffer_attr buffer{unset, std::uint32_t(pa_usec_to_bytes(kBufferMilliseconds * 1000, &kSpec)), unset,
                                unset, unset};
    pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
}

void PulseOutput::closeStream()
{
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void PulseOutput::onStreamState(pa_stream *stream, void *self)
{
    // A sound asked for while the stream was being made starts now.
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        static_cast<PulseOutput *>(self)->writeMore(pa_stream_writable_size(stream));
}

void PulseOutput::onWritable(pa_stream *, std::size_t bytes, void *self)
{
    static_cast<PulseOutput *>(self)->writeMore(bytes);
}

void PulseOutput::writeMore(std::size_t bytes)
{
    if (!m_sound || !m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    const std::size_t total = m_sound->samples.size() * sizeof(qint16);
    const std::size_t now = std::min(bytes, total - m_written);
    if (now == 0)
        return;
    pa_stream_write(m_stream, reinterpret_cast<const char *>(m_sound->samples.data()) + m_written, now, nullptr, 0,
                    PA_SEEK_RELATIVE);
    m_written += now;
    if (m_written == total) {
        // A sound shorter than the buffer would otherwise wait for more to come.
        if (pa_operation *trigger = pa_stream_trigger(m_stream, nullptr, nullptr))
            pa_operation_unref(trigger);
        m_sound.reset();
    }
}

void PulseOutput::play(SharedPcm sound)
{
    if (!m_loop)
        return;
    const Locked lock(m_loop);
    if (gone(m_context)) {
        disconnect();
        connect();
    } else if (m_stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
        // The server is there, but dropped the stream (its sink went, say).
        closeStream();
        if (pa_context_get_state(m_context) == PA_CONTEXT_READY)
            openStream();
    }
    m_sound = std::move(sound);
    m_written = 0;
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    // What is still queued of the sound before goes; the new one follows at once.
    if (pa_operation *flush = pa_stream_flush(m_stream, nullptr, nullptr))
        pa_operation_unref(flush);
    writeMore(pa_stream_writable_size(m_stream));
}

} // namespace outside
