#pragma once

#include <QCursor>
#include <QString>

namespace app {

// Loads a Windows cursor (.cur) or icon (.ico) file as a pointer, with the hot
// spot the file gives (an icon's is its centre). Throws a Failure for anything else.
QCursor loadCursorFile(const QString &path);

} // namespace app
