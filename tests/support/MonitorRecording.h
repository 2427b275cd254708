// What a sound server's sink plays, recorded from its monitor by `parec` at one
// millisecond's latency, with the time each sample was played: the ears of the
// sound tests and of the drop-to-sound benchmark.
#pragma once

#include <QString>

#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace testing {

class MonitorRecording
{
public:
    // Records from `monitor` of the server at `server` (as PULSE_SERVER takes it),
    // one channel of 16-bit samples at `rate`.
    MonitorRecording(const QString &server, const QString &monitor, int rate);
    ~MonitorRecording();

    bool isRecording() const { return m_pid > 0; }
    // A sample above this (1 % of full scale) is heard.
    static constexpr int kAudible = 328;

    // CLOCK_MONOTONIC now, in nanoseconds: the clock of the times below.
    static qint64 now();
    // When the first audible sample after `from` was played, if one was before `until`.
    std::optional<qint64> firstAudible(qint64 from, qint64 until) const;
    // When the last audible sample between `from` and `until` was played.
    std::optional<qint64> lastAudible(qint64 from, qint64 until) const;
    // The samples played between two times.
    std::vector<qint16> samples(qint64 from, qint64 until) const;

private:
    void read(int fd);
    qint64 timeOf(std::size_t sample) const;
    std::size_t sampleAt(qint64 time) const;

    const int m_rate;
    pid_t m_pid = -1;
    std::thread m_reader;
    mutable std::mutex m_lock;
    std::vector<qint16> m_samples;
    // When sample 0 was played. Each read arrives some time after its last sample was
    // played, never before, so the earliest of these estimates is the truest.
    qint64 m_start = 0;
    bool m_started = false;
};

} // namespace testing
