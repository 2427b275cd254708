#include "MonitorRecording.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>

extern char **environ;

namespace testing {

qint64 MonitorRecording::now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

MonitorRecording::MonitorRecording(const QString &server, const QString &monitor, int rate) : m_rate(rate)
{
    const std::vector<std::string> arguments{
        "parec", "--server=" + server.toStdString(), "--device=" + monitor.toStdString(), "--raw",
        "--format=s16le", "--channels=1", "--rate=" + std::to_string(rate), "--latency-msec=1"};
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (posix_spawnp(&m_pid, "parec", &actions, nullptr, argv.data(), environ) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (m_pid <= 0) {
        close(out[0]);
        return;
    }
    m_reader = std::thread([this, fd = out[0]] { read(fd); });
    // Recording has begun once the first samples have come.
    const qint64 deadline = now() + 10000000000LL;
    while (now() < deadline) {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            if (m_started)
                break;
        }
        usleep(1000);
    }
}

MonitorRecording::~MonitorRecording()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_reader.joinable())
        m_reader.join();
}

void MonitorRecording::read(int fd)
{
    std::vector<unsigned char> buffer(1 << 14);
    std::size_t kept = 0; // a byte of a sample whose other byte has not come yet
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data() + kept, buffer.size() - kept);
        const qint64 arrived = now();
        if (n <= 0)
            break;
        const std::size_t bytes = kept + std::size_t(n);
        std::lock_guard<std::mutex> lock(m_lock);
        for (std::size_t i = 0; i + 1 < bytes; i += 2)
            m_samples.push_back(qint16(buffer[i] | (buffer[i + 1] << 8)));
        kept = bytes % 2;
        if (kept)
            buffer[0] = buffer[bytes - 1];
        const qint64 start = arrived - qint64(m_samples.size()) * 1000000000 / m_rate;
        if (!m_started || start < m_start)
            m_start = start;
        m_started = true;
    }
    close(fd);
}

qint64 MonitorRecording::timeOf(std::size_t sample) const
{
    return m_start + qint64(sample) * 1000000000 / m_rate;
}

std::size_t MonitorRecording::sampleAt(qint64 time) const
{
    if (time <= m_start)
        return 0;
    return std::min(m_samples.size(), std::size_t((time - m_start) * m_rate / 1000000000));
}

std::optional<qint64> MonitorRecording::firstAudible(qint64 from, qint64 until) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (std::size_t i = sampleAt(from), end = sampleAt(until); i < end; ++i) {
        if (std::abs(m_samples[i]) > kAudible)
            return timeOf(i);
    }
    return std::nullopt;
}

std::optional<qint64> MonitorRecording::lastAudible(qint64 from, qint64 until) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (std::size_t i = sampleAt(until), begin = sampleAt(from); i > begin; --i) {
        if (std::abs(m_samples[i - 1]) > kAudible)
            return timeOf(i - 1);
    }
    return std::nullopt;
}

std::vector<qint16> MonitorRecording::samples(qint64 from, qint64 until) const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return {m_samples.begin() + qint64(sampleAt(from)), m_samples.begin() + qint64(sampleAt(until))};
}

} // namespace testing
