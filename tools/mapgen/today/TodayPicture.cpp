#include "tools/mapgen/today/TodayPicture.h"

#include "tools/mapgen/MapStyle.h"
#include "tools/mapgen/today/PictureGrid.h"

#include <QPainter>

namespace mapgen::today {
namespace {

// Darker than the borders, so that a ring reads as a target, not as a coast.
const QColor kRingLine(96, 96, 96);
constexpr double kRingWidth = 1;

} // namespace

QImage renderLandIndex(const TodayAtlas& atlas, const TodayFrame& frame)
{
    QImage image(kPictureSize, QImage::Format_RGB32);
    image.fill(QColor(kNoRow, kNoRow, kNoRow));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < int(atlas.countries.size()); ++k) {
        painter.setBrush(QColor(k + 1, k + 1, k + 1));
        painter.drawPath(pathOf(atlas.countries[k], frame.placed));
    }
    painter.setBrush(QColor(kNoRow, kNoRow, kNoRow));
    for (const Shape& lake : atlas.lakes)
        painter.drawPath(pathOf(lake, frame.placed));
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage renderTodayPicture(const TodayAtlas& atlas, const TodayFrame& frame, const std::vector<QColor>& colours,
                          const std::vector<TargetRing>& rings, int scale)
{
    std::vector<QPainterPath> foreign, countries, lakes;
    for (const Shape& land : atlas.otherLand)
        foreign.push_back(pathOf(land, frame.placed));
    for (const Shape& country : atlas.countries)
        countries.push_back(pathOf(country, frame.placed));
    for (const Shape& lake : atlas.lakes)
        lakes.push_back(pathOf(lake, frame.placed));

    QImage image(kPictureSize * scale, QImage::Format_RGB32);
    image.fill(kSea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const auto outline = [&](const QColor& colour, double width) {
        QPen pen(colour, width * scale);
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
    };

    // Every fill first, then every outline, so that no fill covers half of a
    // neighbour's border; the insets' frames hide whatever sea they lie over.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kForeignLand);
    for (const QPainterPath& path : foreign)
        painter.drawPath(path);
    painter.setBrush(kSea);
    for (const Inset& inset : frame.insets)
        painter.drawRect(inset.box);
    for (int k = 0; k < int(countries.size()); ++k) {
        painter.setBrush(colours[k]);
        painter.drawPath(countries[k]);
    }
    painter.setBrush(kLake);
    for (const QPainterPath& path : lakes)
        painter.drawPath(path);
    outline(kBorder, kBorderWidth);
    for (const QPainterPath& path : foreign)
        painter.drawPath(path);
    for (const QPainterPath& path : countries)
        painter.drawPath(path);
    for (const Inset& inset : frame.insets)
        painter.drawRect(inset.box);
    outline(kLakeShore, kBorderWidth);
    for (const QPainterPath& path : lakes)
        painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < int(countries.size()); ++k)
        if (atlas.countryAreas[k] < kSmallCountryArea) {
            painter.setBrush(colours[k]);
            painter.drawPath(countries[k]);
        }
    outline(kRingLine, kRingWidth);
    for (const TargetRing& ring : rings)
        painter.drawEllipse(ring.centre, ring.radius, ring.radius);
    return image;
}

} // namespace mapgen::today
