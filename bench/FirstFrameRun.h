// One start of a program that reports its first frame (app/startup/FirstFrameProbe.h).
#pragma once

#include <QString>
#include <QStringList>

namespace bench {

struct FirstFrame {
    double milliseconds; // from just before the process is spawned
    double peakMegabytes; // VmHWM up to that frame
};

// Starts `program` with this process's environment changed by `settings`
// ("NAME=value" each), waits for its report and its end. Throws when no report comes.
FirstFrame runToFirstFrame(const QString &program, const QStringList &settings);

} // namespace bench
