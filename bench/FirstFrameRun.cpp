#include "FirstFrameRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace bench {

namespace {

constexpr int kTimeoutMilliseconds = 30000;

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::vector<std::string> environmentWith(const QStringList &settings)
{
    std::vector<std::string> result;
    auto overridden = [&](const std::string &entry) {
        for (const QString &setting : settings) {
            const std::string name = setting.section(u'=', 0, 0).toStdString() + '=';
            if (entry.compare(0, name.size(), name) == 0)
                return true;
        }
        return false;
    };
    for (char **e = environ; *e; ++e) {
        if (!overridden(*e))
            result.emplace_back(*e);
    }
    for (const QString &setting : settings)
        result.push_back(setting.toStdString());
    result.emplace_back("QUILLMERE_FIRST_FRAME=1");
    return result;
}

// Everything the child writes to its standard output until it closes it.
std::string readUntilClosed(int fd, pid_t child)
{
    std::string text;
    char buffer[512];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, kTimeoutMilliseconds) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    return text;
}

std::string describe(int status)
{
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

// The first line the child wrote to its standard error, kept in `fd`: what went wrong first.
std::string firstLineOf(int fd)
{
    std::string text(300, '\0');
    lseek(fd, 0, SEEK_SET);
    const ssize_t n = read(fd, text.data(), text.size());
    text.resize(n > 0 ? std::size_t(n) : 0);
    return text.substr(0, text.find('\n'));
}

} // namespace

FirstFrame runToFirstFrame(const QString &program, const QStringList &settings)
{
    const std::vector<std::string> environment = environmentWith(settings);
    std::vector<char *> envp;
    for (const std::string &entry : environment)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);
    const std::string path = program.toStdString();
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char errorsPath[] = "/tmp/quillmere-bench-XXXXXX";
    const int errors = mkostemp(errorsPath, O_CLOEXEC);
    if (errors < 0)
        throw std::runtime_error("mkostemp failed");
    unlink(errorsPath);
    posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);

    pid_t child = 0;
    const long long spawned = monotonicNanoseconds();
    const int failed = posix_spawn(&child, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        close(errors);
        throw std::runtime_error("cannot start " + path);
    }
    const std::string report = readUntilClosed(out[0], child);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);

    long long framed = 0;
    long peakKilobytes = 0;
    const bool reported = std::sscanf(report.c_str(), "first-frame-ns %lld peak-rss-kb %ld", &framed,
                                      &peakKilobytes) == 2;
    const std::string errorText = reported ? std::string() : firstLineOf(errors);
    close(errors);
    if (!reported)
        throw std::runtime_error(path + " reported no first frame (" + describe(status) + "): " + errorText);
    return {double(framed - spawned) / 1e6, double(peakKilobytes) / 1024};
}

} // namespace bench
