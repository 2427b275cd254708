#include "tools/mapgen/MapPicture.h"

#include "tools/mapgen/HotspotFigures.h"
#include "tools/mapgen/MapStyle.h"

#include <QPainter>
#include <QTransform>

namespace mapgen {
namespace {

// Client twips to pixels of the picture drawn at `scale` times its size.
QTransform pictureTransform(int scale)
{
    const quiz::TwipRect& r = quiz::kMapPictureRect;
    QTransform t;
    t.scale(double(scale) * kMapPictureSize.width() / r.width,
            double(scale) * kMapPictureSize.height() / r.height);
    t.translate(-r.left, -r.top);
    return t;
}

} // namespace

QImage renderCountryIndex(const PlacedAtlas& placed)
{
    QImage image(kMapPictureSize, QImage::Format_RGB32);
    image.fill(QColor(kNoCountry, kNoCountry, kNoCountry));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setTransform(pictureTransform(1));
    for (int k = 0; k < quiz::kCountryCount; ++k) {
        painter.setBrush(QColor(k + 1, k + 1, k + 1));
        painter.drawPath(pathOf(placed.atlas.countries[k], placed.twips));
    }
    painter.setBrush(QColor(kNoCountry, kNoCountry, kNoCountry));
    for (const Shape& lake : placed.atlas.lakes)
        painter.drawPath(pathOf(lake, placed.twips));
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage renderMapPicture(const PlacedAtlas& placed, const CountryColours& colours, int scale)
{
    const Atlas& atlas = placed.atlas;
    std::vector<QPainterPath> foreign, countries, lakes;
    for (const Shape& land : atlas.otherLand)
        foreign.push_back(pathOf(land, placed.twips));
    for (const Shape& country : atlas.countries)
        countries.push_back(pathOf(country, placed.twips));
    for (const Shape& lake : atlas.lakes)
        lakes.push_back(pathOf(lake, placed.twips));

    QImage image(kMapPictureSize * scale, QImage::Format_RGB32);
    image.fill(kSea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(pictureTransform(scale));
    const auto fill = [&](const QPainterPath& path, const QColor& colour) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    // Pen widths scale with the picture, so the 2x picture shows the same
    // lines at twice the resolution.
    const auto outline = [&](const QPainterPath& path, const QColor& colour, double width) {
        QPen pen(colour, width * scale);
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    };

    // Every fill first, then every outline, so that no fill covers half of a
    // neighbour's border.
    for (const QPainterPath& path : foreign)
        fill(path, kForeignLand);
    for (int k = 0; k < quiz::kCountryCount; ++k)
        fill(countries[k], colours[k]);
    for (const QPainterPath& path : lakes)
        fill(path, kLake);
    for (const QPainterPath& path : foreign)
        outline(path, kBorder, kBorderWidth);
    for (const QPainterPath& path : countries)
        outline(path, kBorder, kBorderWidth);
    for (const QPainterPath& path : lakes)
        outline(path, kLakeShore, kBorderWidth);
    for (int k = 0; k < quiz::kCountryCount; ++k)
        if (atlas.countryAreas[k] < kSmallCountryArea)
            fill(countries[k], colours[k]);
    return image;
}

} // namespace mapgen
