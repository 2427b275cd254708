#include "HangWatchdog.h"

#include <cstdio>
#include <cstdlib>

namespace testing {

HangWatchdog::HangWatchdog(QString step, std::chrono::seconds bound)
{
    m_thread = std::thread([this, step = step.toLocal8Bit(), bound] {
        std::unique_lock lock(m_mutex);
        if (m_finished.wait_for(lock, bound, [this] { return m_done; }))
            return;
        std::fprintf(stderr, "HANG: \"%s\" still runs after %lld s\n", step.constData(),
                     static_cast<long long>(bound.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    });
}

HangWatchdog::~HangWatchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_finished.notify_one();
    m_thread.join();
}

} // namespace testing
