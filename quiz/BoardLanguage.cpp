#include "quiz/BoardLanguage.h"

#include "shell/ProgramFolder.h"

#include <QLocale>

namespace quiz {

BoardLanguage::BoardLanguage(QStringView code)
{
    if (spoken().contains(code)) {
        m_code = code.toString();
        m_direction = QLocale(m_code).textDirection();
    }
}

const QStringList &BoardLanguage::spoken()
{
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("pt"),
                                   QStringLiteral("ar"), QStringLiteral("sw"), QStringLiteral("am")};
    return codes;
}

std::optional<BoardLanguage> BoardLanguage::ofTag(QStringView tag)
{
    const QString language = tag.toString().section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (!spoken().contains(language))
        return std::nullopt;
    return BoardLanguage(language);
}

BoardLanguage BoardLanguage::firstSpoken(const QStringList &preferred)
{
    for (const QString &tag : preferred) {
        if (const auto language = ofTag(tag))
            return *language;
    }
    return {};
}

QString BoardLanguage::countryListFile() const
{
    if (isEnglish())
        return shell::files::kCountryList.toString();
    return QStringLiteral("items.%1.txt").arg(m_code);
}

} // namespace quiz
