#include "outside/qt/DecodedSoundPlayer.h"

#include <system_error>
#include <utility>

namespace outside {

DecodedSoundPlayer::DecodedSoundPlayer(SoundDecoder decode, std::unique_ptr<PcmOutput> output)
    : m_files(std::move(decode)), m_output(std::move(output))
{
}

DecodedSoundPlayer::~DecodedSoundPlayer()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_ending = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void DecodedSoundPlayer::startThread()
{
    if (m_thread.joinable() || m_inline)
        return;
    try {
        m_thread = std::thread([this] { work(); });
    } catch (const std::system_error &) {
        // Where no thread can be started (a web page has none), the caller's
        // thread does the work as it is asked for.
        m_inline = true;
    }
}

void DecodedSoundPlayer::setUrl(const QString &path)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_asked = path;
        startThread();
    }
    m_changed.notify_all();
    workInline();
}

void DecodedSoundPlayer::prepare(const QStringList &sounds)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_toDecode += sounds;
        startThread();
    }
    m_changed.notify_all();
    workInline();
}

void DecodedSoundPlayer::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_changed.wait(lock, [this] { return !m_busy && !m_asked && m_toDecode.isEmpty(); });
}

void DecodedSoundPlayer::work()
{
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        m_changed.wait(lock, [this] { return m_ending || m_asked || !m_toDecode.isEmpty(); });
        if (m_ending)
            return;
        doNext(lock);
    }
}

void DecodedSoundPlayer::workInline()
{
    std::unique_lock<std::mutex> lock(m_lock);
    while (m_inline && (m_asked || !m_toDecode.isEmpty()))
        doNext(lock);
}

void DecodedSoundPlayer::doNext(std::unique_lock<std::mutex> &lock)
{
    m_busy = true;
    // A sound asked for goes before the decoding ahead of time.
    const std::optional<QString> asked = std::exchange(m_asked, std::nullopt);
    const QString ahead = asked ? QString() : m_toDecode.takeFirst();
    lock.unlock();
    if (asked)
        m_output->play(asked->isEmpty() ? nullptr : m_files.soundAt(*asked));
    else
        m_files.soundAt(ahead);
    lock.lock();
    m_busy = false;
    m_changed.notify_all();
}

} // namespace outside
