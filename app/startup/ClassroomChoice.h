// A classroom's choice of how the board starts, as a teacher gives it: on the command
// line (`--<option> <value>`), else in the environment (which the web page fills from
// its address), in that order.
#pragma once

#include <QStringList>

namespace app {

// The values given, the command line's first; a choice not given is an empty value.
QStringList classroomChoices(const QStringList &arguments, const QString &option, const char *environment);

} // namespace app
