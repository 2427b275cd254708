// Start-up against the bare window: time to the first frame and peak memory.
#pragma once

#include <QString>
#include <QStringList>

namespace bench {

// Starts both programs `runs` times each, taking turns, with `settings` added to
// their environment, and prints the medians under `platformName`; with
// `countInstructions`, also the instructions of one run of each under callgrind.
void benchStartUp(const QString &platformName, const QStringList &settings, int runs, bool countInstructions);

} // namespace bench
