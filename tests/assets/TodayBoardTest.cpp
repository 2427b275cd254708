// The committed board of Africa today: the country index that judges its drops
// and the generated table of its slots, leader lines and inside points, read
// together as the window will read them.
#include "quiz/BoardLayout.h"
#include "quiz/TodayBoardTables.h"
#include "tools/mapgen/today/SlotGeometry.h"

#include <QImageReader>
#include <QtTest>

#include <cmath>
#include <set>

using namespace quiz;
using mapgen::today::segmentEntersRect;
using mapgen::today::segmentsMeet;

namespace {

constexpr QSize kIndexSize{575, 726};
constexpr int kSlotGap = 2 * kTwipsPerPixel;

// The index pixel under a client point, as the picture is stretched into its rectangle.
QPoint indexPixel(int x, int y)
{
    return {int(std::floor(double(x - kMapPictureRect.left) * kIndexSize.width() / kMapPictureRect.width)),
            int(std::floor(double(y - kMapPictureRect.top) * kIndexSize.height() / kMapPictureRect.height))};
}

QString codeOf(int row) { return today::kCountries[row].code.toString(); }

QLineF lineOf(const TwipLine &l) { return QLineF(l.x1, l.y1, l.x2, l.y2); }
bool hasLeader(const today::Country &c) { return c.leader.x1 || c.leader.y1 || c.leader.x2 || c.leader.y2; }

QRectF rectOf(const TwipRect &r) { return QRectF(r.left, r.top, r.width, r.height); }

} // namespace

class TodayBoardTest : public QObject {
    Q_OBJECT

private:
    QImage index_;

    int rowAt(int x, int y) const
    {
        const QPoint p = indexPixel(x, y);
        return index_.rect().contains(p) ? index_.constScanLine(p.y())[p.x()] - 1 : -1;
    }

    // Every pixel of the index under the rectangle holds the row.
    bool allOn(const TwipRect &r, int row) const
    {
        const QPoint first = indexPixel(r.left, r.top), last = indexPixel(r.right() - 1, r.bottom() - 1);
        for (int y = first.y(); y <= last.y(); ++y)
            for (int x = first.x(); x <= last.x(); ++x)
                if (index_.constScanLine(y)[x] != row + 1)
                    return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        QImageReader reader(qEnvironmentVariable("QUILLMERE_SOURCE_DIR") + "/assets/boards/today/country-index.png");
        QCOMPARE(reader.format(), QByteArray("png"));
        index_ = reader.read();
        QVERIFY2(!index_.isNull(), qPrintable(reader.errorString()));
    }

    void indexHoldsEveryRowAndNothingElse()
    {
        QCOMPARE(index_.size(), kIndexSize);
        QCOMPARE(index_.format(), QImage::Format_Grayscale8);
        std::set<int> values;
        for (int y = 0; y < index_.height(); ++y)
            for (int x = 0; x < index_.width(); ++x)
                values.insert(index_.constScanLine(y)[x]);
        QCOMPARE(*values.begin(), 0);
        QCOMPARE(*values.rbegin(), today::kCountryCount);
        QCOMPARE(int(values.size()), today::kCountryCount + 1);
    }

    void insidePointsAndBoundsDescribeTheIndex()
    {
        std::vector<QRect> bounds(today::kCountryCount);
        for (int y = 0; y < index_.height(); ++y)
            for (int x = 0; x < index_.width(); ++x)
                if (const int v = index_.constScanLine(y)[x]; v > 0)
                    bounds[v - 1] = bounds[v - 1].united(QRect(x, y, 1, 1));
        for (int k = 0; k < today::kCountryCount; ++k) {
            const today::Country &c = today::kCountries[k];
            QVERIFY2(rowAt(c.inside.x, c.inside.y) == k, qPrintable(codeOf(k)));
            const QRect b(indexPixel(c.bounds.left, c.bounds.top),
                          indexPixel(c.bounds.right() - 1, c.bounds.bottom() - 1));
            QVERIFY2(b == bounds[k], qPrintable(codeOf(k)));
        }
    }

    void slotsStayOnTheMapApartAndOnTheirCountry()
    {
        const TwipRect visibleMap{kMapPictureRect.left, 0, kMapPictureRect.width, kClientHeight};
        for (int k = 0; k < today::kCountryCount; ++k) {
            const TwipRect &s = today::kCountries[k].slot;
            QVERIFY2(s.height == 225 || s.height == 465 || s.height == 705, qPrintable(codeOf(k)));
            QVERIFY2(s.left >= visibleMap.left && s.right() <= visibleMap.right() && s.top >= visibleMap.top
                         && s.bottom() <= visibleMap.bottom(),
                     qPrintable(codeOf(k)));
            QVERIFY2(hasLeader(today::kCountries[k]) || allOn(s, k), qPrintable(codeOf(k)));
            for (int j = 0; j < k; ++j) {
                const TwipRect &t = today::kCountries[j].slot;
                const bool apart = s.right() + kSlotGap <= t.left || t.right() + kSlotGap <= s.left
                                   || s.bottom() + kSlotGap <= t.top || t.bottom() + kSlotGap <= s.top;
                QVERIFY2(apart, qPrintable(codeOf(k) + " and " + codeOf(j)));
            }
        }
    }

    void leaderLinesRunFromTheirCountryToTheirSlotAlone()
    {
        for (int k = 0; k < today::kCountryCount; ++k) {
            const today::Country &c = today::kCountries[k];
            if (!hasLeader(c))
                continue;
            QVERIFY2(rowAt(c.leader.x1, c.leader.y1) == k, qPrintable(codeOf(k)));
            const QRectF slot = rectOf(c.slot);
            const bool onEdge = slot.contains(QPointF(c.leader.x2, c.leader.y2))
                                && !slot.adjusted(1, 1, -1, -1).contains(QPointF(c.leader.x2, c.leader.y2));
            QVERIFY2(onEdge, qPrintable(codeOf(k)));
            for (int j = 0; j < today::kCountryCount; ++j) {
                if (j == k)
                    continue;
                const today::Country &other = today::kCountries[j];
                QVERIFY2(!segmentEntersRect(lineOf(c.leader), rectOf(other.slot)),
                         qPrintable(codeOf(k) + " through the slot of " + codeOf(j)));
                QVERIFY2(!hasLeader(other) || !segmentsMeet(lineOf(c.leader), lineOf(other.leader)),
                         qPrintable(codeOf(k) + " across " + codeOf(j)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TodayBoardTest)
#include "TodayBoardTest.moc"
