// A figure that the machine's load does not move: the instructions a program runs,
// in all its threads, up to its first frame, counted by callgrind.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace bench {

// Empty when valgrind is missing or the run reported no count.
std::optional<double> instructionsToFirstFrame(const QString &program, const QStringList &settings);

} // namespace bench
