// The real program started with `--board today`, read through AT-SPI on an X server
// and buses of the test's own, played with the real pointer: its 55 names listed in
// the language's alphabetical order, South Sudan placed on its own land and said to
// be one of 55, Sudan dropped there wrong; in English also the states the board of
// the country tables lacks, islands among them, each placed by its ring.
#include "BoardOnScreen.h"
#include "ReadProgram.h"

#include "app/startup/BoardChoice.h"
#include "quiz/SpokenResults.h"
#include "quiz/TodayBoardTables.h"

#include <QtTest>

using namespace xtest;

namespace {

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

    ReaderDesk m_desk;

private slots:
    void initTestCase() { QVERIFY2(m_desk.failure().isEmpty(), qPrintable(m_desk.failure())); }

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
        ReadProgram read(m_desk, language, {QStringLiteral("QUILLMERE_LANGUAGE=") + language},
                         {QStringLiteral("--board"), QStringLiteral("today")});
        QVERIFY2(read.failure().isEmpty(), qPrintable(read.failure()));
        const quiz::Board shownBoard = boardShownIn(quiz::BoardLanguage(language), app::loadBoard(u"today"));
        const Accessible list = read.list();
        const Accessible map = read.map();

        QStringList shownNames;
        for (int place = 0; place < shownBoard.listEntryCount(); ++place)
            shownNames << shownBoard.labels(shownBoard.entryAtListPlace(place)).caption;
        QCOMPARE(shownNames.size(), 55);
        QCOMPARE(namesOf(list.children()), shownNames);

        auto drag = [&](int row, int onto) {
            const QList<Accessible> inList = list.children();
            const QRect entry = inList[namesOf(inList).indexOf(shownBoard.labels(row).caption)].extents();
            m_desk.desktop.drag(read.window().id, entry.center() - read.window().geometry.topLeft(), insideOf(onto));
        };
        const int southSudan = rowOf(u"SS");
        const int sudan = rowOf(u"SD");
        const QString sudanName = shownBoard.labels(sudan).caption;
        drag(sudan, southSudan);
        QVERIFY(read.hears(quiz::spoken::notThere(sudanName, QCoreApplication::translate("Board", "on a country not yet named"))));
        drag(southSudan, southSudan);
        QVERIFY(read.hears(quiz::spoken::placed(shownBoard.labels(southSudan).caption, 1, 55)));
        int placed = 1;
        for (const QString &code : alsoPlaced) {
            const int row = rowOf(code);
            drag(row, row);
            QVERIFY(read.hears(quiz::spoken::placed(shownBoard.labels(row).caption, ++placed, 55)));
        }
        QCOMPARE(namesOf(map.children()).size(), placed);
        QVERIFY(namesOf(list.children()).contains(sudanName));
    }
};

QTEST_GUILESS_MAIN(TodayBoardOnXTest)
#include "TodayBoardOnXTest.moc"
