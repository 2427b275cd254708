// Ends the test program with a message naming the step when that step outlives a
// bound so generous that only a hang reaches it. ctest's own timeout would end it
// too, but without saying which step hung.
#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace testing {

class HangWatchdog
{
public:
    HangWatchdog(QString step, std::chrono::seconds bound);
    ~HangWatchdog();

    HangWatchdog(const HangWatchdog &) = delete;
    HangWatchdog &operator=(const HangWatchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_thread;
};

} // namespace testing
