// The map as a player who cannot see it meets it: what lies under the drop point,
// the keys that go from country to country, and where a wrong drop fell.
#include "ReadyBoard.h"

#include "quiz/BoardSetUp.h"
#include "quiz/BoardTables.h"
#include "quiz/CountryPlaces.h"
#include "quiz/SpokenResults.h"

#include <QtTest>

#include <deque>
#include <set>

using namespace quiz;
using testing::ReadyBoard;

namespace {

constexpr int kBurundi = 5;
constexpr int kDemocraticRepublicOfCongo = 11;
constexpr int kKenya = 21;
constexpr int kRwanda = 34;
constexpr int kTanzania = 41;
constexpr int kUganda = 44;

// A game in play, set up as start-up leaves it, its words heard.
struct HeardPlay {
    testing::ProgramFolderFixture folder;
    testing::FakePlatform outside;
    PlaySession session{outside.boxes, outside.sound, shell::ProgramFolder(folder.path()), outside.collation};
    SpokenResults spoken{session, outside.announcer};

    HeardPlay()
    {
        shell::ErrorTrap trap(outside.boxes, QStringLiteral("Form1.Form_Load"));
        setUpBoard(session.quiz(), trap);
    }
    void place(int k)
    {
        session.board().maplabel(k).caption = kCountryNames[k].toString();
        session.board().maplabel(k).visible = true;
    }
};

} // namespace

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

    // The countries next to one another are those whose land meets: Burundi's are
    // Rwanda, Tanzania and the Democratic Republic of Congo, not Uganda or Kenya,
    // which lie a little farther.
    void neighboursAreTheCountriesWhoseLandMeets()
    {
        ReadyBoard b;
        const CountryPlaces places(b.board);
        const std::vector<int> &burundi = places.neighbours(kBurundi);
        const std::set<int> found(burundi.begin(), burundi.end());
        QCOMPARE(found, (std::set<int>{kDemocraticRepublicOfCongo, kRwanda, kTanzania}));
        const std::vector<int> &rwanda = places.neighbours(kRwanda);
        QVERIFY(std::find(rwanda.begin(), rwanda.end(), kUganda) != rwanda.end());
        QVERIFY(std::find(rwanda.begin(), rwanda.end(), kKenya) == rwanda.end());
    }

    // Ctrl with an arrow goes to a country within an eighth of a turn of its way
    // wherever one lies there: a jump never swerves past a country ahead.
    void aJumpKeepsToItsWay()
    {
        ReadyBoard b;
        const CountryPlaces places(b.board);
        const std::pair<int, int> directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (int from = 0; from < kCountryCount; ++from) {
            const TwipPoint here = *places.inside(from);
            for (const auto &way : directions) {
                const int across = way.first;
                const int down = way.second;
                const auto ahead = [&](int k) {
                    const double dx = places.inside(k)->x - here.x;
                    const double dy = places.inside(k)->y - here.y;
                    const double along = dx * across + dy * down;
                    return k != from && along > 0 && std::abs(dx * down - dy * across) <= along;
                };
                bool anyAhead = false;
                for (int k = 0; k < kCountryCount; ++k)
                    anyAhead = anyAhead || ahead(k);
                const std::optional<int> next = places.nextFrom(here, across, down);
                QVERIFY2(!anyAhead || (next && ahead(*next)), qPrintable(kCountryNames[from].toString()));
            }
        }
    }

    // A step on the same ground says how far the drop point went, in tenths written as
    // the language writes them; a jump onto a country not yet named says where it lies,
    // and that a border was crossed from another; onto a placed name, the name alone.
    void stepsAndJumpsSayWhereTheyLead()
    {
        const TwipPoint from{kDropPointArea.left + kDropPointArea.width / 3, kDropPointArea.top + 600};
        const TwipPoint to{from.x + kSmallDropStep, from.y};
        const QString english = spoken::dropPointStep(BoardLanguage(), from, to);
        QVERIFY2(english.contains(u'.') && !english.contains(u','), qPrintable(english));
        QCOMPARE(spoken::dropPointStep(BoardLanguage(u"fr"), from, to), QString(english).replace(u'.', u','));

        HeardPlay play;
        QVERIFY(play.session.pickUp(kKenya));
        play.session.steerToCountry(1, 0);
        const std::optional<int> reached = countryAt(play.session.board(), play.session.dropPoint());
        QVERIFY(reached);
        // From the Democratic Republic of Congo, where the drop point starts, into the next.
        static const QRegularExpression whereItLies(
            QStringLiteral("^Across a border: Country not yet named\\. \\d+% across, \\d+% down$"));
        QVERIFY2(whereItLies.match(play.outside.announcer.last()).hasMatch(), qPrintable(play.outside.announcer.last()));
        HeardPlay placedFirst;
        placedFirst.place(*reached);
        QVERIFY(placedFirst.session.pickUp(kKenya));
        placedFirst.session.steerToCountry(1, 0);
        QCOMPARE(placedFirst.outside.announcer.last(), kCountryNames[*reached].toString());
    }
};

QTEST_GUILESS_MAIN(MapByKeysTest)
#include "MapByKeysTest.moc"
