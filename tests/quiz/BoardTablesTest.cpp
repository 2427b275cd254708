// Checks the board tables for the mistakes a hand-edited table invites: a
// misspelt or misplaced name, a rectangle off the map, a slot at the wrong place.
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QtTest>

#include <set>

using namespace quiz;

namespace {

int countryRow(QStringView name)
{
    for (int k = 0; k < kCountryCount; ++k) {
        if (kCountryNames[k] == name)
            return k;
    }
    return -1;
}

bool overlap(const TwipRect &a, const TwipRect &b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TwipPoint centre(const TwipRect &r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

bool insideHotspotOf(TwipPoint p, int row)
{
    for (const Hotspot &h : kHotspots) {
        if (countryRow(h.tag) == row && h.rect.contains(p))
            return true;
    }
    return false;
}

} // namespace

class BoardTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void countryNamesAreTheAlphabeticalMatchKeys()
    {
        for (int k = 1; k < kCountryCount; ++k)
            QVERIFY2(kCountryNames[k - 1] < kCountryNames[k], qPrintable(kCountryNames[k].toString()));
        QCOMPARE(kCountryNames[10], QStringView(u"C\u00f4te d'Ivoire"));
        for (QStringView name : kCountryNames) {
            QVERIFY(!name.contains(u','));
            QCOMPARE(name.trimmed(), name);
        }
    }

    void everyCountryHasOneRunOfHotspots()
    {
        // Hotspots run in the order of the names, except that Democratic Republic of
        // Congo comes before Côte d'Ivoire and Western Sahara comes last.
        std::vector<int> runOrder;
        for (const Hotspot &h : kHotspots) {
            const int row = countryRow(h.tag);
            QVERIFY2(row >= 0, qPrintable(h.tag.toString()));
            if (runOrder.empty() || runOrder.back() != row)
                runOrder.push_back(row);
        }
        QCOMPARE(runOrder.size(), std::size_t(kCountryCount));
        std::vector<int> expected;
        for (int k = 0; k < kCountryCount; ++k)
            expected.push_back(k);
        std::swap(expected[10], expected[11]);
        expected.erase(expected.begin() + 45);
        expected.push_back(45);
        QCOMPARE(runOrder, expected);
        QCOMPARE(std::count_if(kHotspots.begin(), kHotspots.end(),
                               [](const Hotspot &h) { return h.tag == u"Ethiopia"; }),
                 11);
    }

    void hotspotsLieOnTheMap()
    {
        for (const Hotspot &h : kHotspots) {
            QVERIFY(h.rect.left >= 180 && h.rect.right() <= 8055);
            QVERIFY(h.rect.top >= 540 && h.rect.bottom() <= 10455);
            QVERIFY(h.rect.width >= 165 && h.rect.width <= 1605);
            QVERIFY(h.rect.height >= 135 && h.rect.height <= 1905);
            QCOMPARE(h.rect.left % kTwipsPerPixel, 0);
            QCOMPARE(h.rect.top % kTwipsPerPixel, 0);
        }
    }

    void countriesMeetAlongTheirBorders()
    {
        int pairs = 0;
        for (int i = 0; i < kHotspotCount; ++i) {
            for (int j = i + 1; j < kHotspotCount; ++j)
                pairs += kHotspots[i].tag != kHotspots[j].tag && overlap(kHotspots[i].rect, kHotspots[j].rect);
        }
        QCOMPARE(pairs, 104);
    }

    void slotsSitAtTheirCountries()
    {
        std::set<int> leaderCountries;
        for (const LeaderLine &line : kLeaderLines)
            leaderCountries.insert(countryRow(line.country));
        int centredOnOwnCountry = 0;
        int overNoHotspot = 0;
        for (int k = 0; k < kCountryCount; ++k) {
            const TwipRect &slot = kSlotRects[k];
            if (insideHotspotOf(centre(slot), k)) {
                ++centredOnOwnCountry;
                QVERIFY2(!leaderCountries.count(k), qPrintable(kCountryNames[k].toString()));
            }
            const bool overAny = std::any_of(kHotspots.begin(), kHotspots.end(),
                                             [&](const Hotspot &h) { return overlap(h.rect, slot); });
            if (!overAny) {
                ++overNoHotspot;
                QVERIFY2(leaderCountries.count(k), qPrintable(kCountryNames[k].toString()));
            }
        }
        QCOMPARE(centredOnOwnCountry, 31);
        QCOMPARE(overNoHotspot, 13);
    }

    void leaderLinesJoinSmallCountriesToTheirSlots()
    {
        QStringView previous;
        for (const LeaderLine &line : kLeaderLines) {
            const int row = countryRow(line.country);
            QVERIFY(row >= 0);
            QVERIFY(previous < line.country);
            previous = line.country;
            // One end lies on the country, the other at the slot or just beside it.
            const TwipPoint first{line.ends.x1, line.ends.y1};
            const TwipPoint second{line.ends.x2, line.ends.y2};
            const TwipRect nearSlot{kSlotRects[row].left - 240, kSlotRects[row].top - 240,
                                    kSlotRects[row].width + 480, kSlotRects[row].height + 480};
            const bool firstOnCountry = insideHotspotOf(first, row) && nearSlot.contains(second);
            const bool secondOnCountry = insideHotspotOf(second, row) && nearSlot.contains(first);
            QVERIFY2(firstOnCountry || secondOnCountry, qPrintable(line.country.toString()));
        }
    }

    void listColumnsOverlapTheirNeighbours()
    {
        QCOMPARE(listEntryRect(26).top, 1440 + 210 * 26);
        QCOMPARE(listEntryRect(27).left, 12450);
        QCOMPARE(listEntryRect(47).top, 1440 + 210 * 20);
        QCOMPARE(listEntryRect(1).top - listEntryRect(0).bottom(), -75);
    }
};

QTEST_GUILESS_MAIN(BoardTablesTest)
#include "BoardTablesTest.moc"
