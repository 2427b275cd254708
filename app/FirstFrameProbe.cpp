#include "app/FirstFrameProbe.h"

#include <QEvent>
#include <QFile>
#include <QWidget>

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

class FirstFrameProbe : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued, so it runs once the paint has been flushed to the window.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
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

    bool m_seen = false;
};

} // namespace

void quitAfterFirstFrame(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty("QUILLMERE_FIRST_FRAME"))
        return;
    window.installEventFilter(new FirstFrameProbe(&window));
}

} // namespace app
