// How well a map picture fits the board's hotspots, measured where the player
// drops names: in the client area's pixel grid, with the picture stretched into
// its rectangle and the frontmost hotspot (highest index) owning each pixel.
//
// Header-only so that the map test can use it without the generator's
// libraries: the generator optimises these figures and the test checks the
// committed country-index picture against them.
#pragma once

#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace mapgen {

inline constexpr int kClientPixelWidth = quiz::kClientWidth / quiz::kTwipsPerPixel;
inline constexpr int kClientPixelHeight = quiz::kClientHeight / quiz::kTwipsPerPixel;
inline constexpr QSize kMapPictureSize{700, 752};

// Country-index pictures hold k + 1 for country row k and this for everything
// else (sea, lakes, land outside the quiz).
inline constexpr std::uint8_t kNoCountry = 0;

inline int countryRow(QStringView name)
{
    for (int k = 0; k < quiz::kCountryCount; ++k)
        if (quiz::kCountryNames[k] == name)
            return k;
    return -1;
}

// The map picture pixel shown at a client point, by the picture's stretch.
inline QPoint picturePixelAt(double twipX, double twipY)
{
    const quiz::TwipRect& r = quiz::kMapPictureRect;
    return {int(std::floor((twipX - r.left) * kMapPictureSize.width() / r.width)),
            int(std::floor((twipY - r.top) * kMapPictureSize.height() / r.height))};
}

// One cell a client pixel: the country code (row + 1, or kNoCountry) that the
// stretched picture shows there, sampled at the pixel's centre.
class ClientCountryGrid {
public:
    explicit ClientCountryGrid(const QImage& countryIndex)
        : cells_(std::size_t(kClientPixelWidth) * kClientPixelHeight, kNoCountry)
    {
        const QImage index = countryIndex.convertToFormat(QImage::Format_Grayscale8);
        // The stretch is separable: the picture column depends on the client
        // column alone, the picture row on the client row alone.
        const double half = quiz::kTwipsPerPixel / 2.0;
        std::vector<int> columns(kClientPixelWidth);
        for (int cx = 0; cx < kClientPixelWidth; ++cx)
            columns[cx] = picturePixelAt(cx * quiz::kTwipsPerPixel + half, 0).x();
        for (int cy = 0; cy < kClientPixelHeight; ++cy) {
            const int py = picturePixelAt(0, cy * quiz::kTwipsPerPixel + half).y();
            if (py < 0 || py >= index.height())
                continue;
            const std::uint8_t* line = index.constScanLine(py);
            for (int cx = 0; cx < kClientPixelWidth; ++cx)
                if (columns[cx] >= 0 && columns[cx] < index.width())
                    cells_[cy * kClientPixelWidth + cx] = line[columns[cx]];
        }
    }

    std::uint8_t codeAt(int cx, int cy) const { return cells_[cy * kClientPixelWidth + cx]; }
    std::uint8_t codeAtTwips(quiz::TwipPoint t) const
    {
        return codeAt(t.x / quiz::kTwipsPerPixel, t.y / quiz::kTwipsPerPixel);
    }

private:
    std::vector<std::uint8_t> cells_;
};

// The country code of the frontmost hotspot over each client pixel
// (kNoCountry where no hotspot lies). Fixed by the tables, so built once.
inline const std::vector<std::uint8_t>& frontHotspotCodes()
{
    static const std::vector<std::uint8_t> codes = [] {
        std::vector<std::uint8_t> cells(std::size_t(kClientPixelWidth) * kClientPixelHeight,
                                        kNoCountry);
        for (const quiz::Hotspot& h : quiz::kHotspots) {
            const std::uint8_t code = std::uint8_t(countryRow(h.tag) + 1);
            const int x0 = h.rect.left / quiz::kTwipsPerPixel;
            const int y0 = h.rect.top / quiz::kTwipsPerPixel;
            for (int cy = y0; cy < h.rect.bottom() / quiz::kTwipsPerPixel; ++cy)
                for (int cx = x0; cx < h.rect.right() / quiz::kTwipsPerPixel; ++cx)
                    cells[cy * kClientPixelWidth + cx] = code;
        }
        return cells;
    }();
    return codes;
}

struct CountryFigures {
    int visiblePixels = 0; // the country's pixels in the client area
    int rightPixels = 0;   // ... under a hotspot of its own
    int wrongPixels = 0;   // ... under another country's hotspot

    double recall() const { return visiblePixels ? double(rightPixels) / visiblePixels : 0.0; }
    double wrongDrop() const { return visiblePixels ? double(wrongPixels) / visiblePixels : 1.0; }
};

struct HotspotFigures {
    double precision = 0; // share of hotspot pixels that lie on their own country
    double recall = 0;    // share of country pixels where a drop of its name is right
    double wrongDrop = 0; // share of country pixels where a drop of its name is wrong
    std::array<CountryFigures, quiz::kCountryCount> countries{};
    std::vector<int> centreMisses; // hotspots whose centre is not on their country
    std::vector<int> lineMisses;   // leader lines with neither end on their country

    int centresOnOwnCountry() const { return quiz::kHotspotCount - int(centreMisses.size()); }
    int linesOnOwnCountry() const { return quiz::kLeaderLineCount - int(lineMisses.size()); }

    int worstRecallRow() const
    {
        int worst = 0;
        for (int k = 1; k < quiz::kCountryCount; ++k)
            if (countries[k].recall() < countries[worst].recall())
                worst = k;
        return worst;
    }
    int worstWrongDropRow() const
    {
        int worst = 0;
        for (int k = 1; k < quiz::kCountryCount; ++k)
            if (countries[k].wrongDrop() > countries[worst].wrongDrop())
                worst = k;
        return worst;
    }
};

inline quiz::TwipPoint hotspotCentre(const quiz::TwipRect& r)
{
    return {r.left + r.width / 2, r.top + r.height / 2};
}

inline HotspotFigures measureHotspotFigures(const ClientCountryGrid& grid)
{
    HotspotFigures f;
    const std::vector<std::uint8_t>& front = frontHotspotCodes();
    long hotspotPixels = 0;
    long visiblePixels = 0;
    long rightPixels = 0;
    long wrongPixels = 0;
    for (int cy = 0; cy < kClientPixelHeight; ++cy) {
        for (int cx = 0; cx < kClientPixelWidth; ++cx) {
            const std::uint8_t country = grid.codeAt(cx, cy);
            const std::uint8_t hotspot = front[cy * kClientPixelWidth + cx];
            hotspotPixels += hotspot != kNoCountry;
            if (country == kNoCountry)
                continue;
            CountryFigures& c = f.countries[country - 1];
            ++c.visiblePixels;
            c.rightPixels += hotspot == country;
            c.wrongPixels += hotspot != kNoCountry && hotspot != country;
        }
    }
    for (const CountryFigures& c : f.countries) {
        visiblePixels += c.visiblePixels;
        rightPixels += c.rightPixels;
        wrongPixels += c.wrongPixels;
    }
    f.precision = double(rightPixels) / hotspotPixels;
    f.recall = double(rightPixels) / visiblePixels;
    f.wrongDrop = double(wrongPixels) / visiblePixels;

    for (int i = 0; i < quiz::kHotspotCount; ++i) {
        const quiz::Hotspot& h = quiz::kHotspots[i];
        if (grid.codeAtTwips(hotspotCentre(h.rect)) != countryRow(h.tag) + 1)
            f.centreMisses.push_back(i);
    }
    for (int n = 0; n < quiz::kLeaderLineCount; ++n) {
        const quiz::LeaderLine& line = quiz::kLeaderLines[n];
        const int code = countryRow(line.country) + 1;
        if (grid.codeAtTwips({line.ends.x1, line.ends.y1}) != code
            && grid.codeAtTwips({line.ends.x2, line.ends.y2}) != code)
            f.lineMisses.push_back(n);
    }
    return f;
}

} // namespace mapgen
