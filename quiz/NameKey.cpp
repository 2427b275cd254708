#include "quiz/NameKey.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quiz {

namespace {

// Letters that canonical decomposition leaves whole, though readers take each pair
// for one letter; the hamza seats (أ إ آ) decompose to alef and a mark.
constexpr std::array<std::pair<char16_t, char16_t>, 4> kSameLetter{{
    {u'\u0671', u'\u0627'}, // alef wasla: alef
    {u'\u0629', u'\u0647'}, // ta marbuta: ha, as it is said at the end of a word
    {u'\u0649', u'\u064A'}, // alef maksura: ya, as Egyptian writing has it
    {u'\u2019', u'\''},     // the typographic apostrophe of "Côte d’Ivoire"
}};

// The article "ال", its alef also written as alef wasla (ٱ).
constexpr std::array<QStringView, 2> kArabicArticles{u"\u0627\u0644", u"\u0671\u0644"};

// Ethiopic syllables come in rows of eight from U+1200, a consonant with each vowel.
// The labialised rows (ቈ, ቘ, ኈ, ኰ, ዀ, ጐ) follow the row of their consonant, and ፘ,
// ፙ and ፚ stand alone for ረ, መ and ፈ.
constexpr char16_t kFirstSyllable = 0x1200;
constexpr char16_t kLastSyllable = 0x135A;
constexpr char16_t kFirstYaForm = 0x1358;
constexpr std::array<char16_t, 3> kYaFormConsonants{0x1228, 0x1218, 0x1348};
constexpr std::array<char16_t, 6> kLabialisedRows{0x1248, 0x1258, 0x1288, 0x12B0, 0x12C0, 0x1310};
constexpr int kSyllablesPerRow = 8;

char16_t consonantOf(char16_t syllable)
{
    if (syllable < kFirstSyllable || syllable > kLastSyllable)
        return syllable;
    if (syllable >= kFirstYaForm)
        return kYaFormConsonants[std::size_t(syllable - kFirstYaForm)];
    const auto row = char16_t(syllable - (syllable - kFirstSyllable) % kSyllablesPerRow);
    const bool labialised = std::find(kLabialisedRows.begin(), kLabialisedRows.end(), row) != kLabialisedRows.end();
    return labialised ? char16_t(row - kSyllablesPerRow) : row;
}

bool isMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
           || category == QChar::Mark_Enclosing;
}

} // namespace

QString nameKey(QStringView name)
{
    QString key = name.toString().normalized(QString::NormalizationForm_D);
    key.removeIf(isMark);
    key = key.toCaseFolded().simplified();
    for (QChar &c : key) {
        const auto same = std::find_if(kSameLetter.begin(), kSameLetter.end(),
                                       [c](const auto &pair) { return pair.first == c.unicode(); });
        if (same != kSameLetter.end())
            c = QChar(same->second);
    }
    return key;
}

QStringView filedName(QStringView name)
{
    const QStringView trimmed = name.trimmed();
    for (const QStringView article : kArabicArticles) {
        if (trimmed.size() > article.size() && trimmed.startsWith(article))
            return trimmed.sliced(article.size());
    }
    return trimmed;
}

QChar initialKey(QStringView name)
{
    const QString key = nameKey(filedName(name));
    return key.isEmpty() ? QChar() : QChar(consonantOf(key.front().unicode()));
}

} // namespace quiz
