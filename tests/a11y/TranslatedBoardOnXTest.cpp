// The real program started in each language but English as a pupil's desktop
// starts it (LANG), read through AT-SPI on an X server and buses of the test's own:
// its headings, buttons and 48 names in the language, and "Morocco" in the
// language dragged with the real pointer onto Algeria (wrong, said so) and onto
// Morocco (placed, said so). What the program must show and say is the language's
// own catalogue, built into the program and read here too.
#include "BoardOnScreen.h"
#include "ReadProgram.h"

#include "quiz/Board.h"
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"
#include "quiz/SpokenResults.h"

#include <QtTest>

using namespace xtest;

namespace {

constexpr int kAlgeria = 0;
constexpr int kMorocco = 29;

} // namespace

class TranslatedBoardOnXTest : public QObject
{
    Q_OBJECT

    ReaderDesk m_desk;

private slots:
    void initTestCase() { QVERIFY2(m_desk.failure().isEmpty(), qPrintable(m_desk.failure())); }

    void readAndPlayedInTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("morocco");
        QTest::newRow("fr") << "fr" << "fr_FR.UTF-8" << QStringLiteral("Maroc");
        QTest::newRow("pt") << "pt" << "pt_PT.UTF-8" << QStringLiteral("Marrocos");
        QTest::newRow("ar") << "ar" << "ar_MA.UTF-8" << QStringLiteral("\u0627\u0644\u0645\u063a\u0631\u0628");
        QTest::newRow("sw") << "sw" << "sw_TZ.UTF-8" << QStringLiteral("Moroko");
        QTest::newRow("am") << "am" << "am_ET.UTF-8" << QStringLiteral("\u121e\u122e\u12ae");
    }

    void readAndPlayedInTheDesktopsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(QString, morocco);
        ReadProgram read(m_desk, language,
                         {QStringLiteral("LANG=") + lang, QStringLiteral("LC_ALL="), QStringLiteral("LC_MESSAGES="),
                          QStringLiteral("LANGUAGE="), QStringLiteral("QUILLMERE_LANGUAGE=")});
        QVERIFY2(read.failure().isEmpty(), qPrintable(read.failure()));
        const quiz::BoardLanguage board(language);
        const QStringList names = quiz::BoardDefinition::tables()->builtInNames(board);
        QCOMPARE(names[kMorocco], morocco);

        const QList<Accessible> children = read.shown().children();
        QStringList said;
        for (const Accessible &child : children)
            said << child.said();
        const QString listName = QCoreApplication::translate("Board", "Countries");
        QVERIFY(listName != QStringLiteral("Countries"));
        const QStringList readingOrder{
            QStringLiteral("label: ") + quiz::kInstructionsHeading.text.toString(),
            QStringLiteral("label: ") + quiz::kInstruction.text.toString(),
            QStringLiteral("label: ") + quiz::kCountriesHeading.text.toString(),
            QStringLiteral("list: ") + listName,
            QStringLiteral("canvas: ") + QCoreApplication::translate("Board", "Map of Africa"),
            QStringLiteral("push button: ") + quiz::kRestartCaption.toString(),
            QStringLiteral("push button: ") + quiz::kExitCaption.toString(),
        };
        QCOMPARE(said.first(std::min(said.size(), readingOrder.size())), readingOrder);
        const Accessible list = children[3];
        const Accessible map = children[4];
        // The list reads in the language's order, the board's rule.
        const quiz::Board ordered = boardShownIn(board);
        QStringList shownNames;
        for (int place = 0; place < quiz::kListEntryCount; ++place)
            shownNames << names[ordered.entryAtListPlace(place)];
        QCOMPARE(namesOf(list.children()), shownNames);

        // The Arabic panel is mirrored: the name lies where its mirrored place does.
        const int place = ordered.listPlace(kMorocco);
        const QRect entry = pixelRect(quiz::inReadingDirection(quiz::listEntryRect(place), board.direction()));
        QCOMPARE(list.children()[place].extents(), entry.translated(read.window().geometry.topLeft()));
        const QPoint onName = entry.center();

        m_desk.desktop.drag(read.window().id, onName, onHotspotOf(kAlgeria));
        QVERIFY(read.hears(quiz::spoken::notThere(morocco, QCoreApplication::translate("Board", "on a country not yet named"))));
        QCOMPARE(namesOf(map.children()), QStringList());

        m_desk.desktop.drag(read.window().id, onName, onHotspotOf(kMorocco));
        QVERIFY(read.hears(quiz::spoken::placed(morocco, 1, quiz::kCountryCount)));
        QCOMPARE(namesOf(map.children()), QStringList{morocco});
        QVERIFY(!namesOf(list.children()).contains(morocco));
    }
};

QTEST_GUILESS_MAIN(TranslatedBoardOnXTest)
#include "TranslatedBoardOnXTest.moc"
