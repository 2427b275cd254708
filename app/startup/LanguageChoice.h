// The language the board speaks, chosen once at start-up, and made the program's.
#pragma once

#include "quiz/BoardLanguage.h"

#include <QStringList>

namespace app {

// A classroom's choice first: the command line's `--language <code>`, else the
// environment's QUILLMERE_LANGUAGE (which the web page sets from its `?lang=` or
// the browser's languages); else the system's user-interface languages in their
// order. English when the board speaks none of them.
quiz::BoardLanguage chooseLanguage(const QStringList &arguments, const QStringList &systemLanguages);

// Installs the language's translations, ours and Qt's own, and its reading
// direction. English, the board's own language, installs nothing.
void speak(const quiz::BoardLanguage &language);

} // namespace app
