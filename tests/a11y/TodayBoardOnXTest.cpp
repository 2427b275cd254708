// The real program started with `--board today`, read through AT-SPI on an X server
// and buses of the test's own, played with the real pointer: its 55 names listed in
// the language's alphabetical order, South Sudan placed on its own land and said to
// be one of 55, Sudan dropped there wrong; in English also the states the board of
// the country tables lacks, islands among them, each placed by its ring.
#include "AccessibilityBus.h"
#include "BoardOnScreen.h"
#include "PointerAndFocus.h"
#include "ProgramUnderTest.h"
#include "ScreenReader.h"
#include "XDesktop.h"
#include "XvfbDisplay.h"

#include "app/startup/BoardChoice.h"
#include "quiz/SpokenResults.h"
#include "quiz/TodayBoardTables.h"

#include <QTranslator>
#include <QtTest>

using namespace xtest;

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kEventTimeoutMs = 5000;

int rowOf(QStringView code)
{
    for (int row = 0; row < quiz::today::kCountryCount; ++row) {
        if (quiz::today::kCountries[std::size_t(row)].code == code)
            return row;
    }
    return -1;
}

QPoint insideOf(int row)
{
    const quiz::TwipPoint p = quiz::today::kCountries[std::size_t(row)].inside;
    return {p.x / quiz::kTwipsPerPixel, p.y / quiz::kTwipsPerPixel};
}

} // namespace

class TodayBoardOnXTest : public QObject
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

    void listedInTheLanguagesOrderAndJudgedByTheDrawnMap_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("alsoPlaced");
        QTest::newRow("en") << "en" << QStringList{u"ER"_qs, u"CV"_qs, u"SC"_qs};
        QTest::newRow("fr") << "fr" << QStringList();
        QTest::newRow("ar") << "ar" << QStringList();
    }

    void listedInTheLanguagesOrderAndJudgedByTheDrawnMap()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, alsoPlaced);
        QTranslator catalogue;
        if (language != u"en") {
            QVERIFY(catalogue.load(QStringLiteral(":/i18n/quillmere_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&catalogue);
        }
        const quiz::Board shownBoard = boardShownIn(quiz::BoardLanguage(language), app::loadBoard(u"today"));
        ProgramUnderTest program;
        program.start(m_desktop, m_bus.programSettings() + QStringList{QStringLiteral("QUILLMERE_LANGUAGE=") + language},
                      {QStringLiteral("--board"), QStringLiteral("today")});
        const std::optional<XWindow> window = program.waitForMainWindow(m_desktop);
        QVERIFY(window);
        QVERIFY(giveFocusTo(m_desktop, window->id));
        ScreenReader reader(m_bus.accessibilityBusAddress());
        const Accessible shown = reader.waitForWindow(kMainWindowTitle, kStartTimeoutMs);
        QVERIFY(!shown.isNull());
        const Accessible list = shown.children()[3];
        const Accessible map = shown.children()[4];

        QStringList shownNames;
        for (int place = 0; place < shownBoard.listEntryCount(); ++place)
            shownNames << shownBoard.labels(shownBoard.entryAtListPlace(place)).caption;
        QCOMPARE(shownNames.size(), 55);
        QCOMPARE(namesOf(list.children()), shownNames);

        auto drag = [&](int row, int onto) {
            const QList<Accessible> inList = list.children();
            const QRect entry = inList[namesOf(inList).indexOf(shownBoard.labels(row).caption)].extents();
            m_desktop.drag(window->id, entry.center() - window->geometry.topLeft(), insideOf(onto));
        };
        auto hear = [&](const QString &text) {
            const QString line = QStringLiteral("said: ") + text;
            QVERIFY2(reader.waitUntil([&] { return reader.heard().contains(line); }, kEventTimeoutMs),
                     qPrintable(line + u'\n' + reader.heard().join(u'\n')));
        };
        const int southSudan = rowOf(u"SS");
        const int sudan = rowOf(u"SD");
        const QString sudanName = shownBoard.labels(sudan).caption;
        drag(sudan, southSudan);
        hear(quiz::spoken::notThere(sudanName, QCoreApplication::translate("Board", "on a country not yet named")));
        drag(southSudan, southSudan);
        hear(quiz::spoken::placed(shownBoard.labels(southSudan).caption, 1, 55));
        int placed = 1;
        for (const QString &code : alsoPlaced) {
            const int row = rowOf(code);
            drag(row, row);
            hear(quiz::spoken::placed(shownBoard.labels(row).caption, ++placed, 55));
        }
        QCOMPARE(namesOf(map.children()).size(), placed);
        QVERIFY(namesOf(list.children()).contains(sudanName));
        QCoreApplication::removeTranslator(&catalogue);
    }
};

QTEST_GUILESS_MAIN(TodayBoardOnXTest)
#include "TodayBoardOnXTest.moc"
