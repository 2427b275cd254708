// The language the board speaks: English, as designed, or one of the languages
// its names and texts are translated into. It is chosen once at start-up.
//
// On the board of the country tables, in English the board is exactly as designed:
// its names come from items.txt and are judged by their text. In another language
// the built-in names of that language (assets/names) fill the list, or a teacher's
// items.<language>.txt beside the program does, its lines in any order (ListRows);
// each entry is judged by the English name of its row. A board that reads no
// country lists (BoardDefinition) shows its own names in every language.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quiz {

class BoardLanguage
{
public:
    // English.
    BoardLanguage() = default;
    // `code` is one of spoken(); any other gives English.
    explicit BoardLanguage(QStringView code);

    // The languages the board speaks, as ISO 639-1 codes, English first.
    static const QStringList &spoken();
    // The language of a tag such as "pt-BR" or "fr_CA", if the board speaks it.
    static std::optional<BoardLanguage> ofTag(QStringView tag);
    // The first of `preferred` (language tags, the most wanted first) whose
    // language the board speaks; English when there is none.
    static BoardLanguage firstSpoken(const QStringList &preferred);

    const QString &code() const { return m_code; }
    bool isEnglish() const { return m_code == spoken().front(); }
    Qt::LayoutDirection direction() const { return m_direction; }
    // The country list a teacher lays beside the program for this language.
    QString countryListFile() const;

    bool operator==(const BoardLanguage &other) const { return m_code == other.m_code; }

private:
    QString m_code = spoken().front();
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
};

} // namespace quiz
