#include "tools/mapgen/MapPicture.h"

#include "tools/mapgen/HotspotFigures.h"
#include "tools/mapgen/MapStyle.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <stdexcept>

namespace mapgen {
namespace {

const QColor kLabel(112, 112, 112);
// The board's own type: the face that stands in for Arial on Debian.
const QString kLabelFamily = "Liberation Sans";
constexpr int kLabelPixelSize = 9;

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

// Index-style drawing: no antialiasing, so every pixel is in or out.
QImage renderAliased(const std::vector<std::pair<const Shape*, int>>& shapesAndCodes, const VertexBuffer& twips)
{
    QImage image(kMapPictureSize, QImage::Format_RGB32);
    image.fill(QColor(kNoCountry, kNoCountry, kNoCountry));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setTransform(pictureTransform(1));
    for (const auto& [shape, code] : shapesAndCodes) {
        painter.setBrush(QColor(code, code, code));
        painter.drawPath(pathOf(*shape, twips));
    }
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QFont labelFont(int scale)
{
    QFont font(kLabelFamily);
    font.setPixelSize(kLabelPixelSize * scale);
    // A stand-in face, whichever the machine offers, would make the pictures
    // depend on the machine.
    if (QFontInfo(font).family() != kLabelFamily)
        throw std::runtime_error("the labels need the font " + kLabelFamily.toStdString());
    return font;
}

} // namespace

QImage renderCountryIndex(const PlacedAtlas& placed)
{
    std::vector<std::pair<const Shape*, int>> shapes;
    for (int k = 0; k < quiz::kCountryCount; ++k)
        shapes.emplace_back(&placed.atlas.countries[k], k + 1);
    for (const Shape& lake : placed.atlas.lakes)
        shapes.emplace_back(&lake, kNoCountry);
    return renderAliased(shapes, placed.twips);
}

std::vector<int> unlistedStatePixels(const PlacedAtlas& placed)
{
    std::vector<int> counts;
    for (const UnlistedState& state : placed.atlas.unlistedStates) {
        const QImage mask = renderAliased({{&state.shape, 1}}, placed.twips);
        int count = 0;
        for (int y = 0; y < mask.height(); ++y)
            count += int(std::count(mask.constScanLine(y), mask.constScanLine(y) + mask.width(), 1));
        counts.push_back(count);
    }
    return counts;
}

QImage renderMapPicture(const PlacedAtlas& placed, const CountryColours& colours, int scale)
{
    const Atlas& atlas = placed.atlas;
    std::vector<QPainterPath> foreign, countries, unlisted, lakes;
    for (const Shape& land : atlas.otherLand)
        foreign.push_back(pathOf(land, placed.twips));
    for (const Shape& country : atlas.countries)
        countries.push_back(pathOf(country, placed.twips));
    for (const Shape& lake : atlas.lakes)
        lakes.push_back(pathOf(lake, placed.twips));
    for (const UnlistedState& state : atlas.unlistedStates)
        unlisted.push_back(pathOf(state.shape, placed.twips));

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
    for (const QPainterPath& path : unlisted)
        fill(path, kForeignLand);
    for (const QPainterPath& path : lakes)
        fill(path, kLake);
    for (const QPainterPath& path : foreign)
        outline(path, kBorder, kBorderWidth);
    for (const QPainterPath& path : countries)
        outline(path, kBorder, kBorderWidth);
    for (const QPainterPath& path : unlisted)
        outline(path, kBorder, kBorderWidth);
    for (const QPainterPath& path : lakes)
        outline(path, kLakeShore, kBorderWidth);
    for (int k = 0; k < quiz::kCountryCount; ++k)
        if (atlas.countryAreas[k] < kSmallCountryArea)
            fill(countries[k], colours[k]);

    // Type is set in pixels: the twips' transform stretches x and y unequally.
    const QTransform toPixels = painter.transform();
    painter.setFont(labelFont(scale));
    painter.setPen(kLabel);
    for (const UnlistedState& state : atlas.unlistedStates) {
        const QPointF anchor =
            toPixels.map(QPointF(placed.twips.x[state.labelVertex], placed.twips.y[state.labelVertex]));
        painter.setTransform(QTransform::fromTranslate(anchor.x(), anchor.y()).rotate(state.labelAngle));
        const QRectF around(-image.width(), -image.height(), 2 * image.width(), 2 * image.height());
        painter.drawText(around, Qt::AlignCenter, state.label);
    }
    return image;
}

} // namespace mapgen
