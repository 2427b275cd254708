// A text that the board shows, written here in English as designed and shown in
// the board's language: the translator that start-up installs for that language
// gives it (none in English, where it reads as written). Marked with
// QT_TRANSLATE_NOOP("Board", ...) where it is written, so that lupdate finds it.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace quiz {

struct BoardText {
    const char *english;

    QString toString() const { return QCoreApplication::translate("Board", english); }
};

} // namespace quiz
