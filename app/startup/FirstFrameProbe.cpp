#include "app/startup/FirstFrameProbe.h"

#include "app/startup/AfterFirstFrame.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace app {

namespace {

// VmHWM from /proc/self/status, in kilobytes.
long peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void report()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("first-frame-ns %lld peak-rss-kb %ld\n", now.tv_sec * 1000000000LL + now.tv_nsec,
                peakResidentKilobytes());
    std::fflush(stdout);
    // No tidy shut-down: its cost is no part of the start-up, and an instruction
    // count of the run should end here too.
    std::_Exit(0);
}

} // namespace

void quitAfterFirstFrame(QWidget &window)
{
    if (!qEnvironmentVariableIsEmpty("QUILLMERE_FIRST_FRAME"))
        afterFirstFrame(window, report);
}

} // namespace app
