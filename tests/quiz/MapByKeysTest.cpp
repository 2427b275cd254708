// The map as a player who cannot see it meets it: what lies under the drop point,
// the keys that go from country to country, and where a wrong drop fell.
#include "ReadyBoard.h"

#include "quiz/CountryPlaces.h"

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
            for (int to = 0; to < kCountryCount; ++to)
                QVERIFY2(reached[std::size_t(to)], qPrintable(kCountryNames[from].toString() + QStringLiteral(" to ") + kCountryNames[to].toString()));
        }
    }

    void dumpNeighbours()
    {
        ReadyBoard b;
        const CountryPlaces places(b.board);
        for (int k = 0; k < kCountryCount; ++k) {
            QStringList n;
            for (int m : places.neighbours(k))
                n << kCountryNames[m].toString();
            qInfo() << kCountryNames[k] << places.inside(k)->x / 15 << places.inside(k)->y / 15 << n;
        }
    }
};

QTEST_GUILESS_MAIN(MapByKeysTest)
#include "MapByKeysTest.moc"
