// The map as a player who cannot see it meets it: what lies under the drop point,
// the keys that go from country to country, and where a wrong drop fell.
#include "ReadyBoard.h"

#include "quiz/BoardTables.h"
#include "quiz/CountryPlaces.h"
#include "quiz/SpokenResults.h"

#include <QtTest>

#include <deque>

using namespace quiz;
using testing::ReadyBoard;

class MapByKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCountryReachesEveryOtherCountryByItsKeys()
    {
        ReadyBoard b;
        const CountryPlaces places(b.board);
        // Each country's inside point is judged as that country.
        for (int k = 0; k < kCountryCount; ++k) {
            QVERIFY2(places.inside(k), qPrintable(kCountryNames[k].toString()));
            QCOMPARE(countryAt(b.board, *places.inside(k)), std::optional(k));
        }
        const std::pair<int, int> directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (int from = 0; from < kCountryCount; ++from) {
            std::vector<bool> reached(kCountryCount, false);
            std::deque<int> queue{from};
            reached[std::size_t(from)] = true;
            while (!queue.empty()) {
                const int at = queue.front();
                queue.pop_front();
                for (const auto &[across, down] : directions) {
                    const std::optional<int> next = places.nextFrom(*places.inside(at), across, down);
                    if (next && !reached[std::size_t(*next)]) {
                        reached[std::size_t(*next)] = true;
                        queue.push_back(*next);
                    }
                }
            }
            for (int to = 0; to < kCountryCount; ++to) {
                const QString way = kCountryNames[from].toString() + QStringLiteral(" to ") + kCountryNames[to].toString();
                QVERIFY2(reached[std::size_t(to)], qPrintable(way));
            }
        }
    }

    // What lies under the drop point, in words: the sea, a placed name, or a country
    // not yet named, never by its name, with its placed neighbours; and where a drop
    // fell, on a placed name.
    void groundIsSaidWithoutGivingAnyNameAway()
    {
        ReadyBoard b;
        const CountryPlaces places(b.board);
        const TwipPoint sea = twipsFromPixels(QPointF(40, 600));
        const TwipPoint libya = *places.inside(24);
        QCOMPARE(spoken::ground(b.board, places, sea), QStringLiteral("Sea"));
        QCOMPARE(spoken::ground(b.board, places, libya), QStringLiteral("Country not yet named"));
        for (const int k : {13, 43}) { // Egypt and Tunisia placed
            b.board.maplabel(k).caption = kCountryNames[k].toString();
            b.board.maplabel(k).visible = true;
        }
        QCOMPARE(spoken::ground(b.board, places, libya),
                 QStringLiteral("Country not yet named, next to Egypt and Tunisia"));
        QCOMPARE(spoken::ground(b.board, places, *places.inside(13)), QStringLiteral("Egypt"));
        QCOMPARE(spoken::fell(b.board, *places.inside(13)), QStringLiteral("on Egypt"));
        for (int k = 0; k < kCountryCount; ++k) {
            const QString words = spoken::ground(b.board, places, *places.inside(k));
            for (int other = 0; other < kCountryCount; ++other) {
                if (!b.board.maplabel(other).visible)
                    QVERIFY2(!words.contains(kCountryNames[other]), qPrintable(words));
            }
        }
    }
};

QTEST_GUILESS_MAIN(MapByKeysTest)
#include "MapByKeysTest.moc"
