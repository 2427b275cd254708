// The board in every language but English: its built-in names, a teacher's list in
// the language, and drops judged by each row's English name.
#include "ReadyBoard.h"

#include "quiz/DropRules.h"
#include "quiz/KeyboardPlay.h"

#include <QCollator>
#include <QtTest>

using namespace quiz;
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
        const QStringList names = BoardLanguage(language).builtInNames();
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
        const QStringList names = BoardLanguage(language).builtInNames();
        for (int k = 0; k < kCountryCount; ++k) {
            QCOMPARE(b.board.labels(k).caption, names[k]);
            piccoor_DragDrop(b.quiz, firstHotspotOf((k + 1) % kCountryCount), k);
            QVERIFY2(b.board.labels(k).visible && !b.board.maplabel(k).visible, qPrintable(names[k]));
            piccoor_DragDrop(b.quiz, firstHotspotOf(k), k);
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

    // A letter finds a name filed under it as a reader of the language files it:
    // past accents and the Arabic article, through the hamza seats, and by the
    // consonant of an Ethiopic syllable. English goes by the first letter as ever.
    void aLetterFindsTheNamesFiledUnderIt_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("found");
        QTest::newRow("fr e: \u00c9gypte") << u"fr"_s << u"e"_s << 0 << 13;
        QTest::newRow("fr E: \u00c9thiopie") << u"fr"_s << u"E"_s << 13 << 15;
        QTest::newRow("fr \u00e9: Eswatini") << u"fr"_s << u"\u00e9"_s << 15 << 40;
        QTest::newRow("ar jeem: past the article") << u"ar"_s << u"\u062c"_s << 38 << 0;
        QTest::newRow("ar alef: hamza above") << u"ar"_s << u"\u0627"_s << 0 << 1;
        QTest::newRow("ar alef: hamza below") << u"ar"_s << u"\u0627"_s << 7 << 15;
        QTest::newRow("ar alef with hamza: no article") << u"ar"_s << u"\u0623"_s << 1 << 7;
        QTest::newRow("am ga: ge, gi") << u"am"_s << u"\u1308"_s << 0 << 13;
        QTest::newRow("am gwa: the g row") << u"am"_s << u"\u1310"_s << 18 << 19;
        QTest::newRow("am mu: maa") << u"am"_s << u"\u1219"_s << 0 << 7;
        QTest::newRow("am glottal ee: i") << u"am"_s << u"\u12a4"_s << 1 << 14;
        QTest::newRow("en e") << u"en"_s << u"e"_s << 0 << 13;
        QTest::newRow("en E") << u"en"_s << u"E"_s << 15 << 13;
        QTest::newRow("en x: none") << u"en"_s << u"x"_s << 5 << 5;
    }
    void aLetterFindsTheNamesFiledUnderIt()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(int, from);
        QFETCH(int, found);
        ReadyBoard b{BoardLanguage(language)};
        QCOMPARE(nextWithLetter(b.board, from, typed.front()), found);
    }

    // A teacher's list in the language may come in any order and spell a name in
    // another case or without its accents: each line is judged by the country it
    // names; a line naming none whose row is taken fills nothing and is reported.
    void teachersListInAnyOrderIsJudgedByTheNamesItHolds()
    {
        const QStringList names = BoardLanguage(u"fr").builtInNames();
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
            piccoor_DragDrop(b.quiz, firstHotspotOf(row), entry);
            QCOMPARE(b.board.maplabel(row).caption, written[row]);
        }
        QCOMPARE(b.outside.sound.played.count(b.soundFile(shell::files::kWrongSound)), 0);
        QCOMPARE(b.reportLines(), (QList<int>{144, 150}));
        QVERIFY2(b.outside.boxes.shown.front().text.contains(u"Line %1 of items.fr.txt names no country"_s.arg(atlantis + 1)),
                 qPrintable(b.outside.boxes.shown.front().text));
        QCOMPARE(b.outside.boxes.shown.size(), 3u); // the map complete after the two reports
    }

    // Arabic mirrors the panel: its first column is on the right, where a press
    // finds it and where Right leads; Left goes to the second column.
    void arabicListReadsFromTheRight()
    {
        ReadyBoard english;
        ReadyBoard arabic{BoardLanguage(u"ar")};
        const TwipRect first = listEntryRect(0);
        const TwipPoint mirrored{kPanelPictureRect.left + kClientWidth - first.left - 30, first.top + 30};
        QCOMPARE(arabic.board.elementAt(mirrored), (BoardElement{ElementKind::ListEntry, 0}));
        QCOMPARE(english.board.elementAt({first.left + 30, first.top + 30}), (BoardElement{ElementKind::ListEntry, 0}));
        for (auto [board, toSecond, stay] : {std::tuple{&english.board, FocusMove::Right, FocusMove::Left},
                                             std::tuple{&arabic.board, FocusMove::Left, FocusMove::Right}}) {
            KeyboardPlay keys(*board);
            keys.moveFocus(stay);
            QCOMPARE(keys.focusedEntry(), 0);
            keys.moveFocus(toSecond);
            QCOMPARE(keys.focusedEntry(), kLeftColumnEntries);
            keys.moveFocus(toSecond);
            QCOMPARE(keys.focusedEntry(), kLeftColumnEntries);
            keys.moveFocus(stay);
            QCOMPARE(keys.focusedEntry(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TranslatedBoardTest)
#include "TranslatedBoardTest.moc"
