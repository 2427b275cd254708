#include "outside/qt/DecodedSoundPlayer.h"

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
    if (!m_thread.joinable())
        m_thread = std::thread([this] { work(); });
}

void DecodedSoundPlayer::setUrl(const QString &path)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_asked = path;
        startThread();
    }
    m_changed.notify_all();
}

void DecodedSoundPlayer::prepare(const QStringList &sounds)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_toDecode += sounds;
        startThread();
    }
    m_changed.notify_all();
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
}

} // namespace outside
