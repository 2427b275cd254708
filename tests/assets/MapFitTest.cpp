// The committed map against the board's hotspot table. The figures come from
// the lossless country index alone; the pictures are then checked to show that
// same index: every country in the flat colour that fit.json gives it, its
// neighbours in clearly different ones, and the 2x picture the same map at
// twice the size. The states the board does not list (fit.json's
// unlistedStates) lie in the index as the country that judges them and show in
// the pictures as land outside the quiz.
#include "tools/mapgen/HotspotFigures.h"
#include "quiz/BoardTables.h"

#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

using namespace mapgen;

namespace {

QString sourceFile(const QString &relative)
{
    return qEnvironmentVariable("QUILLMERE_SOURCE_DIR") + u'/' + relative;
}

// The picture, or a null image with the reason in `error`.
QImage readPicture(const QString &relative, const QByteArray &expectedFormat, QString &error)
{
    QImageReader reader(sourceFile(relative));
    if (reader.format() != expectedFormat) {
        error = relative + " is not " + expectedFormat;
        return {};
    }
    const QImage image = reader.read();
    error = relative + ": " + reader.errorString();
    return image;
}

int codeAt(const QImage &index, int x, int y) { return index.constScanLine(y)[x]; }

// A pixel whose whole square of the given reach has its code: far enough from
// any border for JPEG's ringing and the grey border line to have died away.
bool inside(const QImage &index, int x, int y, int reach)
{
    const int code = codeAt(index, x, y);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= index.width() || ny >= index.height()
                || codeAt(index, nx, ny) != code)
                return false;
        }
    return true;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// JPEG noise in flat areas stays well inside this; the palette's colours lie
// much further apart.
constexpr int kFlatTolerance = 14;
constexpr int kNeighbourMinimumDistance = 40;

// White, grey or between: land outside the quiz, its borders and its name.
// Every country colour has channels at least 50 apart.
bool looksOutsideTheQuiz(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) <= 12;
}

} // namespace

class MapFitTest : public QObject {
    Q_OBJECT

private:
    QImage index_;
    QImage map_;
    QImage map2x_;
    HotspotFigures figures_;
    std::array<QRgb, quiz::kCountryCount> flatColour_{};
    std::array<int, quiz::kCountryCount> unlistedPixels_{}; // of each country's land, drawn as unlisted states

    // A pixel of the country with this code that the picture draws as an
    // unlisted state on its land.
    bool showsUnlistedState(int code, QRgb c) const
    {
        return unlistedPixels_[code - 1] > 0 && colourDistance(c, flatColour_[code - 1]) > kFlatTolerance
               && looksOutsideTheQuiz(c);
    }

private slots:
    void initTestCase()
    {
        QString error;
        index_ = readPicture("assets/map/country-index.png", "png", error);
        QVERIFY2(!index_.isNull(), qPrintable(error));
        map_ = readPicture("assets/pictures/map.jpg", "jpeg", error);
        QVERIFY2(!map_.isNull(), qPrintable(error));
        map2x_ = readPicture("assets/pictures/map@2x.jpg", "jpeg", error);
        QVERIFY2(!map2x_.isNull(), qPrintable(error));
        figures_ = measureHotspotFigures(ClientCountryGrid(index_));

        const HotspotFigures &f = figures_;
        const int worstRecall = f.worstRecallRow();
        const int worstWrong = f.worstWrongDropRow();
        qInfo("hotspot precision %.4f, drop recall %.4f, wrong-drop %.4f", f.precision, f.recall,
              f.wrongDrop);
        qInfo("worst recall %.4f (%s), worst wrong-drop %.4f (%s)",
              f.countries[worstRecall].recall(), qPrintable(quiz::kCountryNames[worstRecall].toString()),
              f.countries[worstWrong].wrongDrop(), qPrintable(quiz::kCountryNames[worstWrong].toString()));
        qInfo("hotspot centres on their country %d of %d, leader lines %d of %d",
              f.centresOnOwnCountry(), quiz::kHotspotCount, f.linesOnOwnCountry(),
              quiz::kLeaderLineCount);
        for (int i : f.centreMisses)
            qInfo("  centre of hotspot %d (%s) is off its country", i,
                  qPrintable(quiz::kHotspots[i].tag.toString()));

        QFile report(sourceFile("assets/map/fit.json"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QJsonDocument fit = QJsonDocument::fromJson(report.readAll());
        const QJsonObject colours = fit["countryColours"].toObject();
        for (int k = 0; k < quiz::kCountryCount; ++k) {
            const QColor colour = QColor::fromString(colours[quiz::kCountryNames[k].toString()].toString());
            QVERIFY2(colour.isValid(), qPrintable(quiz::kCountryNames[k].toString()));
            flatColour_[k] = colour.rgb();
        }
        for (const QJsonValue state : fit["unlistedStates"].toArray()) {
            const int row = countryRow(state["judgedAs"].toString());
            QVERIFY2(row >= 0, qPrintable(state["judgedAs"].toString()));
            unlistedPixels_[row] += state["picturePixels"].toInt();
        }
    }

    void picturesHaveTheirFormats()
    {
        QCOMPARE(index_.size(), kMapPictureSize);
        QCOMPARE(index_.format(), QImage::Format_Grayscale8);
        QCOMPARE(map_.size(), kMapPictureSize);
        QCOMPARE(map_.format(), QImage::Format_RGB32); // a colour JPEG, not grey
        QCOMPARE(map2x_.size(), kMapPictureSize * 2);
        QCOMPARE(map2x_.format(), QImage::Format_RGB32);
    }

    void indexHoldsEveryCountryAndNothingElse()
    {
        std::set<int> codes;
        for (int y = 0; y < index_.height(); ++y)
            for (int x = 0; x < index_.width(); ++x)
                codes.insert(codeAt(index_, x, y));
        QCOMPARE(*codes.begin(), int(kNoCountry));
        QCOMPARE(*codes.rbegin(), quiz::kCountryCount);
        QCOMPARE(int(codes.size()), quiz::kCountryCount + 1);
    }

    void dropsLandOnTheRightCountry()
    {
        const HotspotFigures &f = figures_;
        QVERIFY2(f.precision >= 0.865, qPrintable(QString::number(f.precision)));
        QVERIFY2(f.recall >= 0.885, qPrintable(QString::number(f.recall)));
        QVERIFY2(f.wrongDrop <= 0.043, qPrintable(QString::number(f.wrongDrop)));
        for (int k = 0; k < quiz::kCountryCount; ++k) {
            const CountryFigures &c = f.countries[k];
            const QString name = quiz::kCountryNames[k].toString();
            QVERIFY2(c.recall() >= 0.72, qPrintable(name + " recall " + QString::number(c.recall())));
            QVERIFY2(c.wrongDrop() <= 0.17,
                     qPrintable(name + " wrong-drop " + QString::number(c.wrongDrop())));
        }
    }

    void hotspotCentresAndLeaderLinesLieOnTheirCountry()
    {
        QVERIFY(figures_.centresOnOwnCountry() >= quiz::kHotspotCount - 1);
        for (int n : figures_.lineMisses)
            QFAIL(qPrintable(QString("Line%1 has neither end on its country").arg(n + 1)));
    }

    void eachCountryShowsItsFlatColour()
    {
        std::array<int, quiz::kCountryCount> inner{}, innerOff{}, showing{}, unlisted{};
        for (int y = 0; y < index_.height(); ++y)
            for (int x = 0; x < index_.width(); ++x) {
                const int code = codeAt(index_, x, y);
                if (code == kNoCountry)
                    continue;
                const QRgb c = map_.pixel(x, y);
                const bool close = colourDistance(c, flatColour_[code - 1]) <= kFlatTolerance;
                showing[code - 1] += close;
                if (!inside(index_, x, y, 1))
                    continue;
                if (showsUnlistedState(code, c)) {
                    ++unlisted[code - 1];
                } else {
                    ++inner[code - 1];
                    innerOff[code - 1] += !close;
                }
            }
        for (int k = 0; k < quiz::kCountryCount; ++k) {
            const QString name = quiz::kCountryNames[k].toString();
            // Even Gambia, a pixel or two across, shows its own colour.
            QVERIFY2(showing[k] >= 5, qPrintable(name + " is not to be seen"));
            // A few inner pixels by a narrow inlet still catch the border's
            // JPEG ringing; a wrong or misplaced colour fails most of them.
            QVERIFY2(innerOff[k] <= 2 + inner[k] / 16,
                     qPrintable(QString("%1: %2 of %3 inner pixels off its colour")
                                    .arg(name).arg(innerOff[k]).arg(inner[k])));
            // An unlisted state loses its pixels by the coast and its outer
            // borders to the inner test (Eritrea, narrow and with islands,
            // keeps four fifths), never more than half; drawn in a country
            // colour, it would keep none, and spilt over its host, too many.
            QVERIFY2(unlisted[k] >= unlistedPixels_[k] / 2 && unlisted[k] <= unlistedPixels_[k],
                     qPrintable(QString("%1: %2 inner pixels drawn as unlisted states, of %3")
                                    .arg(name).arg(unlisted[k]).arg(unlistedPixels_[k])));
        }
    }

    void neighboursHaveClearlyDifferentColours()
    {
        std::map<std::pair<int, int>, int> sharedEdges;
        for (int y = 0; y + 1 < index_.height(); ++y)
            for (int x = 0; x + 1 < index_.width(); ++x)
                for (const QPoint n : {QPoint(x + 1, y), QPoint(x, y + 1)}) {
                    const int a = codeAt(index_, x, y), b = codeAt(index_, n.x(), n.y());
                    if (a != b && a != kNoCountry && b != kNoCountry)
                        ++sharedEdges[{std::min(a, b) - 1, std::max(a, b) - 1}];
                }
        QVERIFY(sharedEdges.size() > quiz::kCountryCount);
        for (const auto &[pair, edges] : sharedEdges) {
            const int distance = colourDistance(flatColour_[pair.first], flatColour_[pair.second]);
            QVERIFY2(distance >= kNeighbourMinimumDistance,
                     qPrintable(QString("%1 and %2 look alike")
                                    .arg(quiz::kCountryNames[pair.first].toString(),
                                         quiz::kCountryNames[pair.second].toString())));
        }
    }

    // Sea, lakes and foreign land are white, blue or grey: no country's colour
    // shows outside the countries.
    void noCountryColourOutsideTheCountries()
    {
        int inner = 0, coloured = 0;
        for (int y = 0; y < index_.height(); ++y)
            for (int x = 0; x < index_.width(); ++x) {
                if (codeAt(index_, x, y) != kNoCountry || !inside(index_, x, y, 2))
                    continue;
                ++inner;
                const QRgb c = map_.pixel(x, y);
                coloured += std::any_of(flatColour_.begin(), flatColour_.end(), [&](QRgb flat) {
                    return colourDistance(c, flat) <= kFlatTolerance;
                });
            }
        QVERIFY2(coloured <= inner / 1000, qPrintable(QString("%1 of %2").arg(coloured).arg(inner)));
    }

    // Every inner pixel of the 1x map has its colour in the matching 2 x 2
    // block of the 2x map, or, on an unlisted state, the look of land outside
    // the quiz; a shifted or different map fails along every border.
    void hiDpiPictureIsTheSameMapTwiceAsLarge()
    {
        int inner = 0, off = 0;
        for (int y = 0; y < index_.height(); ++y)
            for (int x = 0; x < index_.width(); ++x) {
                const int code = codeAt(index_, x, y);
                if (code == kNoCountry || !inside(index_, x, y, 2))
                    continue;
                ++inner;
                const bool unlisted = showsUnlistedState(code, map_.pixel(x, y));
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) {
                        const QRgb c = map2x_.pixel(2 * x + dx, 2 * y + dy);
                        off += unlisted ? !looksOutsideTheQuiz(c)
                                        : colourDistance(c, flatColour_[code - 1]) > kFlatTolerance;
                    }
            }
        QVERIFY2(off <= inner * 4 / 200, qPrintable(QString("%1 of %2").arg(off).arg(inner * 4)));
    }
};

QTEST_GUILESS_MAIN(MapFitTest)
#include "MapFitTest.moc"
