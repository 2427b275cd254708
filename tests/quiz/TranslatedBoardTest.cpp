// The board in every language but English: its built-in names, a teacher's list in
// the language, and drops judged by each row's English name.
#include "ReadyBoard.h"

#include "quiz/BoardTables.h"
#include "quiz/DragSession.h"
#include "quiz/DropRules.h"
#include "quiz/KeyboardPlay.h"
#include "quiz/ListInWords.h"

#include <QCollator>
#include <QtTest>

#include <set>

using namespace quiz;
using testing::pointOnHotspot;
using testing::ReadyBoard;
using namespace Qt::StringLiterals;

namespace {

int firstHotspotOf(int row)
{
    for (int i = 0; i < kHotspotCount; ++i) {
        if (kHotspots[i].tag == kCountryNames[row])
            return i;
    }
    return -1;
}

int entryShowing(const Board &board, const QString &caption)
{
    for (int k = 0; k < kListEntryCount; ++k) {
        if (board.labels(k).caption == caption)
            return k;
    }
    return -1;
}

bool invisible(QChar c)
{
    return c.category() == QChar::Other_Format || c.category() == QChar::Other_Control
           || (c.isSpace() && c != u' ');
}

QStringList shownNames(const Board &board)
{
    QStringList shown;
    for (int place = 0; place < kListEntryCount; ++place)
        shown << board.labels(board.entryAtListPlace(place)).caption;
    return shown;
}

// Qt for the web is built without ICU and knows no language's order; the page's,
// the browser's own, is tried in the page.
bool qtKnowsLanguagesOrder()
{
    return shell::QtCollation().of(u"fr"_s)(u"\u00c9gypte"_s, u"Gabon"_s) < 0;
}

void addLanguages()
{
    QTest::addColumn<QString>("language");
    for (const QString &code : BoardLanguage::spoken().sliced(1))
        QTest::newRow(qPrintable(code)) << code;
}

} // namespace

class TranslatedBoardTest : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasAllNamesPlainAndDistinct_data() { addLanguages(); }
    void everyLanguageHasAllNamesPlainAndDistinct()
    {
        QFETCH(QString, language);
        const QStringList names = BoardDefinition::tables()->builtInNames(BoardLanguage(language));
        QCOMPARE(names.size(), kCountryCount);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), kCountryCount);
        for (const QString &name : names) {
            QVERIFY2(!name.isEmpty() && name == name.trimmed() && !name.contains(u','), qPrintable(name));
            QVERIFY2(std::none_of(name.begin(), name.end(), invisible), qPrintable(name));
            QCOMPARE(name, name.normalized(QString::NormalizationForm_C));
        }
    }

    // Every row's name, dropped on its own country, is placed and shown there in
    // the language; dropped on the next row's country, it is wrong.
    void eachRowIsJudgedByItsEnglishName_data() { addLanguages(); }
    void eachRowIsJudgedByItsEnglishName()
    {
        QFETCH(QString, language);
        ReadyBoard b{BoardLanguage(language)};
        QVERIFY(b.outside.boxes.shown.empty());
        const QStringList names = BoardDefinition::tables()->builtInNames(BoardLanguage(language));
        for (int k = 0; k < kCountryCount; ++k) {
            QCOMPARE(b.board.labels(k).caption, names[k]);
            piccoor_DragDrop(b.quiz, firstHotspotOf((k + 1) % kCountryCount), k);
            QVERIFY2(b.board.labels(k).visible && !b.board.maplabel(k).visible, qPrintable(names[k]));
            b.dropOn(firstHotspotOf(k), k);
            QCOMPARE(b.board.maplabel(k).caption, names[k]);
            QCOMPARE(b.board.placedCount(), (k + 1) % kCountryCount); // the 48th completes the map
        }
        QCOMPARE(b.outside.boxes.shown.size(), 1u);
        QCOMPARE(b.outside.sound.played.count(b.soundFile(shell::files::kWrongSound)), kCountryCount);
    }

    void leaderLinesFollowTheRow()
    {
        ReadyBoard b{BoardLanguage(u"fr")};
        piccoor_DragDrop(b.quiz, firstHotspotOf(40), 40); // Eswatini: Swaziland's line
        QVERIFY(b.board.lineVisible(14));
        QCOMPARE(b.board.maplabel(40).caption, QStringLiteral("Eswatini"));
    }

    // items.<language>.txt takes the built-in names' place with items.txt's rules
    // and reports, and is judged by row; items.txt is the English board's alone.
    void teachersListOfTheLanguageReplacesTheBuiltInNames()
    {
        ReadyBoard b([](testing::ProgramFolderFixture &folder) {
            folder.write(QStringLiteral("items.txt"), "Nowhere\r\n");
            folder.write(QStringLiteral("items.fr.txt"), "Alg\xc3\xa9rie du Nord,1962\r\n\r\nB\xc3\xa9nin\r\n");
        }, BoardLanguage(u"fr"));
        QCOMPARE(b.reportLines(), (QList<int>{144, 150}));
        QCOMPARE(b.board.labels(0).caption, QStringLiteral("Alg\u00e9rie du Nord"));
        QCOMPARE(b.board.labels(1).caption, QStringLiteral("Label3"));
        QCOMPARE(b.board.labels(3).caption, QStringLiteral("Label3"));
        piccoor_DragDrop(b.quiz, firstHotspotOf(0), 0);
        QCOMPARE(b.board.maplabel(0).caption, QStringLiteral("Alg\u00e9rie du Nord"));
        piccoor_DragDrop(b.quiz, firstHotspotOf(1), 1);
        QVERIFY(!b.board.maplabel(1).visible);
        piccoor_DragDrop(b.quiz, firstHotspotOf(2), 2);
        QVERIFY(b.board.lineVisible(1));
    }

    // A translated list shows its names in the language's alphabetical order, where
    // the mouse and the keyboard find them; each entry keeps its row, by which it is
    // judged.
    void translatedListIsShownInItsLanguagesOrder()
    {
        constexpr int kAlgeria = 0, kCameroon = 6, kCongo = 9, kCongoKinshasa = 11, kSouthAfrica = 38, kZimbabwe = 47;
        if (!qtKnowsLanguagesOrder())
            QSKIP("Qt here knows no language's order");
        ReadyBoard french{BoardLanguage(u"fr")};
        const Board &board = french.board;
        const QStringList shown = shownNames(board);
        QCOMPARE(shown.first(3), (QStringList{u"Afrique du Sud"_qs, u"Alg\u00e9rie"_qs, u"Angola"_qs}));
        QCOMPARE(shown.indexOf(u"\u00c9gypte"_qs), shown.indexOf(u"Djibouti"_qs) + 1);
        QCOMPARE(board.entryAtListPlace(kListEntryCount - 1), kZimbabwe);

        // Where places 0 and 1 overlap, the later place is in front, whatever the rows.
        const TwipPoint overlap{listEntryRect(1).left + 30, listEntryRect(1).top + 20};
        QVERIFY(listEntryRect(0).contains(overlap));
        QCOMPARE(board.elementAt(overlap), (BoardElement{ElementKind::ListEntry, kAlgeria}));
        KeyboardPlay keys(board);
        QCOMPARE(keys.focusedEntry(), kSouthAfrica);
        DragSession drag(french.quiz);
        QVERIFY(drag.press({listEntryRect(0).left + 30, listEntryRect(0).top + 30}));
        QCOMPARE(drag.release(pointOnHotspot(firstHotspotOf(kSouthAfrica)), true), DropOutcome::Placed);
        QCOMPARE(board.maplabel(kSouthAfrica).caption, u"Afrique du Sud"_qs);
        QCOMPARE(keys.focusedEntry(), kAlgeria);

        keys.focus(kCongo);
        keys.moveFocus(FocusMove::Next);
        QCOMPARE(keys.focusedEntry(), kCongoKinshasa);
        keys.moveFocus(FocusMove::Previous);
        keys.moveFocus(FocusMove::Previous);
        QCOMPARE(keys.focusedEntry(), kCameroon);
    }

    // A letter finds a name filed under it as a reader of the language files it:
    // past accents and the Arabic article, through the hamza seats, and by the
    // consonant of an Ethiopic syllable. English goes by the first letter as ever.
    // The list is filed by the same rule: the names a letter finds stand together.
    void aLetterFindsTheNamesFiledUnderIt_data()
    {
        // The rows a letter goes round, pressed again and again, in whatever order the list shows them.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("fr e: \u00c9gypte, Eswatini, \u00c9thiopie") << u"fr"_s << u"e"_s << QList<int>{13, 15, 40};
        QTest::newRow("fr \u00c9: the same") << u"fr"_s << u"\u00c9"_s << QList<int>{13, 15, 40};
        QTest::newRow("ar jeem: past the article") << u"ar"_s << u"\u062c"_s << QList<int>{0, 11, 12, 38};
        QTest::newRow("ar alef: the hamza seats") << u"ar"_s << u"\u0627"_s << QList<int>{1, 7, 15, 40, 44};
        QTest::newRow("ar alef with hamza: the same") << u"ar"_s << u"\u0623"_s << QList<int>{1, 7, 15, 40, 44};
        QTest::newRow("am ga: the g row") << u"am"_s << u"\u1308"_s << QList<int>{13, 16, 17, 18, 19, 20};
        QTest::newRow("am gwa: the g row") << u"am"_s << u"\u1310"_s << QList<int>{13, 16, 17, 18, 19, 20};
        QTest::newRow("am mu: the m row") << u"am"_s << u"\u1219"_s << QList<int>{7, 25, 26, 27, 28, 29, 30, 45};
        QTest::newRow("am ee: the glottal row") << u"am"_s << u"\u12a4"_s << QList<int>{0, 1, 14, 15, 40};
        QTest::newRow("en e") << u"en"_s << u"e"_s << QList<int>{13, 14, 15};
        QTest::newRow("en E") << u"en"_s << u"E"_s << QList<int>{13, 14, 15};
        QTest::newRow("en x: none") << u"en"_s << u"x"_s << QList<int>{};
    }
    void aLetterFindsTheNamesFiledUnderIt()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QList<int>, found);
        ReadyBoard b{BoardLanguage(language)};
        constexpr int kBurundi = 5; // filed under none of these letters
        std::set<int> visited;
        int at = kBurundi;
        for (int press = 0; press < kListEntryCount; ++press) {
            at = nextWithLetter(b.board, at, typed.front());
            if (at != kBurundi)
                visited.insert(at);
        }
        QCOMPARE(QList<int>(visited.begin(), visited.end()), found);
        QList<int> places;
        for (const int k : found)
            places << b.board.listPlace(k);
        const auto [first, last] = std::minmax_element(places.begin(), places.end());
        QVERIFY(places.isEmpty() || *last - *first == places.size() - 1 || !qtKnowsLanguagesOrder());
    }

    // Names said one after another are joined as the language writes a list, in
    // Arabic and Amharic by their own commas and "and", never the Latin comma.
    void namesInARowAreJoinedAsTheLanguageWritesThem_data() { addLanguages(); }
    void namesInARowAreJoinedAsTheLanguageWritesThem()
    {
        QFETCH(QString, language);
        const QString joined = listInWords(BoardLanguage(language), {u"Mali"_s, u"Niger"_s, u"Tchad"_s});
        QVERIFY2(joined.startsWith(u"Mali") && joined.indexOf(u"Niger") < joined.indexOf(u"Tchad"), qPrintable(joined));
        QCOMPARE(joined.contains(u','), language != u"ar" && language != u"am");
    }

    // A teacher's list in the language may come in any order and spell a name in
    // another case or without its accents: each line is judged by the country it
    // names; a line naming none whose row is taken fills nothing and is reported.
    void teachersListInAnyOrderIsJudgedByTheNamesItHolds()
    {
        const QStringList names = BoardDefinition::tables()->builtInNames(BoardLanguage(u"fr"));
        QStringList written = names;
        written[13] = u"EGYPTE"_s;
        written[10] = u"cote d'ivoire"_s;
        QStringList lines = written;
        lines.append(u"Atlantide"_s);
        QCollator collator{QLocale(QLocale::French)};
        std::sort(lines.begin(), lines.end(), collator);
        const qsizetype atlantis = lines.indexOf(u"Atlantide"_s);
        QCOMPARE_LT(atlantis, kCountryCount);
        ReadyBoard b([&](testing::ProgramFolderFixture &folder) {
            folder.write(u"items.fr.txt"_s, lines.join(u"\r\n").toUtf8());
        }, BoardLanguage(u"fr"));
        for (int row = 0; row < kCountryCount; ++row) {
            const int entry = entryShowing(b.board, written[row]);
            QVERIFY2(entry >= 0, qPrintable(written[row]));
            b.dropOn(firstHotspotOf(row), entry);
            QCOMPARE(b.board.maplabel(row).caption, written[row]);
        }
        QCOMPARE(b.outside.sound.played.count(b.soundFile(shell::files::kWrongSound)), 0);
        QCOMPARE(b.reportLines(), (QList<int>{144, 150}));
        QVERIFY2(b.outside.boxes.shown.front().text.contains(u"Line %1 of items.fr.txt names no country"_s.arg(atlantis + 1)),
                 qPrintable(b.outside.boxes.shown.front().text));
        QCOMPARE(b.outside.boxes.shown.size(), 3u); // the map complete after the two reports
    }

    // A teacher's list that names a country twice: the first line fills its row, the
    // second is reported and fills nothing.
    void aCountryNamedTwiceFillsItsRowOnce()
    {
        QStringList lines = BoardDefinition::tables()->builtInNames(BoardLanguage(u"fr"));
        lines.append(u"MAROC"_s);
        ReadyBoard b([&](testing::ProgramFolderFixture &folder) {
            folder.write(u"items.fr.txt"_s, lines.join(u"\r\n").toUtf8());
        }, BoardLanguage(u"fr"));
        constexpr int kMorocco = 29;
        QCOMPARE(b.board.labels(kMorocco).caption, u"Maroc"_s);
        QCOMPARE(b.reportLines(), (QList<int>{144, 150}));
        QVERIFY2(b.outside.boxes.shown.front().text.contains(u"Line 49 of items.fr.txt names the same country as line 30"_s),
                 qPrintable(b.outside.boxes.shown.front().text));
    }

    // Arabic mirrors the panel: its first column is on the right, where a press
    // finds it and where Right leads; Left goes to the second column.
    void arabicListReadsFromTheRight()
    {
        ReadyBoard english;
        ReadyBoard arabic{BoardLanguage(u"ar")};
        const TwipRect first = listEntryRect(0);
        const TwipPoint mirrored{kPanelPictureRect.left + kClientWidth - first.left - 30, first.top + 30};
        QCOMPARE(arabic.board.elementAt(mirrored),
                 (BoardElement{ElementKind::ListEntry, arabic.board.entryAtListPlace(0)}));
        QCOMPARE(english.board.elementAt({first.left + 30, first.top + 30}), (BoardElement{ElementKind::ListEntry, 0}));
        for (auto [board, toSecond, stay] : {std::tuple{&english.board, FocusMove::Right, FocusMove::Left},
                                             std::tuple{&arabic.board, FocusMove::Left, FocusMove::Right}}) {
            KeyboardPlay keys(*board);
            keys.moveFocus(stay);
            QCOMPARE(keys.focusedEntry(), board->entryAtListPlace(0));
            keys.moveFocus(toSecond);
            QCOMPARE(keys.focusedEntry(), board->entryAtListPlace(kLeftColumnEntries));
            keys.moveFocus(toSecond);
            QCOMPARE(keys.focusedEntry(), board->entryAtListPlace(kLeftColumnEntries));
            keys.moveFocus(stay);
            QCOMPARE(keys.focusedEntry(), board->entryAtListPlace(0));
        }
    }
};

QTEST_GUILESS_MAIN(TranslatedBoardTest)
#include "TranslatedBoardTest.moc"
