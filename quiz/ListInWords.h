// Names said one after another, joined as the language writes a list of them:
// "Egypt, Libya and Tunisia".
#pragma once

#include "quiz/BoardLanguage.h"

#include <QString>
#include <QStringList>

namespace quiz {

QString listInWords(const BoardLanguage &language, const QStringList &names);

} // namespace quiz
