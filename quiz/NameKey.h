// Names as a person looks for them and spells them: the same name typed with
// another letter case, without its accents or with another form of a letter is the
// same name, and a name is found by the letter a reader files it under.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace quiz {

// The name without letter case, accents, Arabic hamza seats and vowel marks, with
// the Arabic letters written two ways (ة and ه, ى and ي) and both apostrophes as
// one, and its spaces simplified: two spellings a teacher may type of one name
// give one key.
QString nameKey(QStringView name);

// The name from the word it is filed under: past the Arabic article "ال", as
// Arabic atlases and school indexes file "الجزائر" (Algeria) under ج beside
// "جيبوتي" (Djibouti). The list's alphabetical order and its letter search both
// go by it, so that the names a letter finds stand together in the list.
QStringView filedName(QStringView name);

// The letter a name is found by, as a typed letter is: the first letter of its
// filed name as folded by nameKey, and for an Ethiopic syllable the first form of
// its consonant, as a reader of each script files names. Null for a name without
// letters.
QChar initialKey(QStringView name);

} // namespace quiz
