#include "quiz/ListInWords.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace quiz {

namespace {

// A list joined by one separator, with a word of its own before the last name.
struct ListPattern {
    QStringView language;
    QStringView separator;
    QStringView beforeLast;
};

// Where Qt 6.4's locale data joins a list otherwise than the language writes it:
// it puts a Latin comma before Amharic's last "and" ("X1፣ X2, እና X3"), which
// Amharic writes "X1፣ X2 እና X3".
constexpr std::array kOwnPatterns{
    ListPattern{u"am", u"\u1363 ", u" \u12a5\u1293 "}, // "፣ " and " እና "
};

} // namespace

QString listInWords(const BoardLanguage &language, const QStringList &names)
{
    const auto own = std::find_if(kOwnPatterns.begin(), kOwnPatterns.end(),
                                  [&](const ListPattern &pattern) { return pattern.language == language.code(); });
    if (own == kOwnPatterns.end() || names.size() < 2)
        return QLocale(language.code()).createSeparatedList(names);
    QString joined = names.first(names.size() - 1).join(own->separator);
    joined.append(own->beforeLast).append(names.last());
    return joined;
}

} // namespace quiz
