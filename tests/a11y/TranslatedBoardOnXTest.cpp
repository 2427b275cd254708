// The real program started in each language but English as a pupil's desktop
// starts it (LANG), read through AT-SPI on an X server and buses of the test's own:
// its headings, buttons and 48 names in the language, and "Morocco" in the
// language dragged with the real pointer onto Algeria (wrong, said so) and onto
// Morocco (placed, said so). What the program must show and say is the language's
// own catalogue, built into the program and read here too.
#include "AccessibilityBus.h"
#include "BoardOnScreen.h"
#include "PointerAndFocus.h"
#include "ProgramUnderTest.h"
#include "ScreenReader.h"
#include "XDesktop.h"
#include "XvfbDisplay.h"

#include "quiz/Board.h"
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"
#include "quiz/SpokenResults.h"

#include <QTranslator>
#include <QtTest>

using namespace xtest;

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kEventTimeoutMs = 5000;
constexpr int kAlgeria = 0;
constexpr int kMorocco = 29;

} // namespace

class TranslatedBoardOnXTest : public QObject
{
    Q_OBJECT

    XvfbDisplay m_display;
    XDesktop m_desktop{m_display};
    AccessibilityBus m_bus;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_display.isRunning(), qPrintable(m_display.failure()));
        QVERIFY2(m_bus.isRunning(), qPrintable(m_bus.failure()));
    }

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
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/i18n/quillmere_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&catalogue);
        const quiz::BoardLanguage board(language);
        const QStringList names = quiz::BoardDefinition::tables()->builtInNames(board);
        QCOMPARE(names[kMorocco], morocco);

        ProgramUnderTest program;
        program.start(m_desktop, m_bus.programSettings()
                                     + QStringList{QStringLiteral("LANG=") + lang, QStringLiteral("LC_ALL="),
                                                   QStringLiteral("LC_MESSAGES="), QStringLiteral("LANGUAGE="),
                                                   QStringLiteral("QUILLMERE_LANGUAGE=")});
        const std::optional<XWindow> window = program.waitForMainWindow(m_desktop);
        QVERIFY(window);
        // Results are said to the window with the focus.
        QVERIFY(giveFocusTo(m_desktop, window->id));
        ScreenReader reader(m_bus.accessibilityBusAddress());
        const Accessible shown = reader.waitForWindow(kMainWindowTitle, kStartTimeoutMs);
        QVERIFY(!shown.isNull());

        const QList<Accessible> children = shown.children();
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
        QCOMPARE(list.children()[place].extents(), entry.translated(window->geometry.topLeft()));
        const QPoint onName = entry.center();

        m_desktop.drag(window->id, onName, onHotspotOf(kAlgeria));
        const QString notThere = QStringLiteral("said: ") + quiz::spoken::notThere(
            morocco, QCoreApplication::translate("Board", "on a country not yet named"));
        QVERIFY2(reader.waitUntil([&] { return reader.heard().contains(notThere); }, kEventTimeoutMs),
                 qPrintable(reader.heard().join(u'\n')));
        QCOMPARE(namesOf(map.children()), QStringList());

        m_desktop.drag(window->id, onName, onHotspotOf(kMorocco));
        const QString placed = QStringLiteral("said: ") + quiz::spoken::placed(morocco, 1, quiz::kCountryCount);
        QVERIFY2(reader.waitUntil([&] { return reader.heard().contains(placed); }, kEventTimeoutMs),
                 qPrintable(reader.heard().join(u'\n')));
        QCOMPARE(namesOf(map.children()), QStringList{morocco});
        QVERIFY(!namesOf(list.children()).contains(morocco));
        QCoreApplication::removeTranslator(&catalogue);
    }
};

QTEST_GUILESS_MAIN(TranslatedBoardOnXTest)
#include "TranslatedBoardOnXTest.moc"
