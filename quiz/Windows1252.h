// Windows-1252, the code page the country list ships in, decoded by a table of our
// own: it differs from Latin-1 only in 0x80 to 0x9F, and a build of Qt without
// ICU (Windows, a web page) has no decoder for it.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace quiz {

// Each byte one character; the five bytes Windows-1252 leaves undefined stay the
// control characters of the same number, as Windows' own conversion leaves them.
QString fromWindows1252(QByteArrayView bytes);

} // namespace quiz
