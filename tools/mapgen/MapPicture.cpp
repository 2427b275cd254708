#include "tools/mapgen/MapPicture.h"

#include "tools/mapgen/HotspotFigures.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace mapgen {
namespace {

const QColor kSea = Qt::white;
const QColor kForeignLand = Qt::white;
const QColor kBorder(128, 128, 128);
const QColor kLake(72, 140, 204);
const QColor kLakeShore(52, 104, 160);
// Thin enough that Gambia, a few pixels across, keeps its own colour.
constexpr double kBorderWidth = 0.7;

QPainterPath pathOf(const Shape& shape, const VertexBuffer& twips)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const Ring& ring : shape.rings) {
        QPolygonF polygon;
        polygon.reserve(ring.end - ring.begin);
        for (int i = ring.begin; i < ring.end; ++i)
            polygon.append(QPointF(twips.x[i], twips.y[i]));
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    return path;
}

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
    QImage image(kMapPictureSize * scale, QImage::Format_RGB32);
    image.fill(kSea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(pictureTransform(scale));
    // Every fill first, then every outline, so that no fill covers half of a
    // neighbour's border. Pen widths scale with the picture, so the 2x
    // picture shows the same lines at twice the resolution.
    std::vector<std::pair<QPainterPath, QColor>> fills;
    for (const Shape& land : placed.atlas.otherLand)
        fills.emplace_back(pathOf(land, placed.twips), kForeignLand);
    for (int k = 0; k < quiz::kCountryCount; ++k)
        fills.emplace_back(pathOf(placed.atlas.countries[k], placed.twips), colours[k]);
    const std::size_t landCount = fills.size();
    for (const Shape& lake : placed.atlas.lakes)
        fills.emplace_back(pathOf(lake, placed.twips), kLake);

    painter.setPen(Qt::NoPen);
    for (const auto& [path, colour] : fills) {
        painter.setBrush(colour);
        painter.drawPath(path);
    }
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < fills.size(); ++i) {
        QPen pen(i < landCount ? kBorder : kLakeShore, kBorderWidth * scale);
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPath(fills[i].first);
    }
    return image;
}

} // namespace mapgen
