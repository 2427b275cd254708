#include "AppIcon.h"

#include "AfricaOutline.h"
#include "PushPin.h"

#include <QLinearGradient>
#include <QPainter>

namespace assets {

namespace {

void paintTile(QPainter &painter, double size, IconTile shape)
{
    const bool square = shape == IconTile::Square;
    // Small icons have no pixels to spare for a margin.
    const double margin = square || size <= 32 ? 0.5 : size / 32;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QLinearGradient sea(0, 0, 0, size);
    sea.setColorAt(0, QColor(0xe3, 0xf2, 0xff));
    sea.setColorAt(1, QColor(0x9f, 0xcd, 0xf3));
    painter.setPen(QPen(QColor(0x2f, 0x66, 0xad), std::max(1.0, size / 64)));
    painter.setBrush(sea);
    const double radius = square ? 0 : size * 0.18;
    painter.drawRoundedRect(tile, radius, radius);
}

void paintAfrica(QPainter &painter, double size)
{
    const double span = size * 0.76;
    painter.save();
    painter.translate(size * 0.45 - span / 2, size * 0.53 - span / 2);
    painter.scale(span, span);
    // Desert in the north, savanna and forest further south.
    QLinearGradient land(0, 0, 0, 1);
    land.setColorAt(0.0, QColor(0xf0, 0xc2, 0x5a));
    land.setColorAt(0.35, QColor(0xd8, 0xb4, 0x4e));
    land.setColorAt(0.55, QColor(0x7d, 0xb8, 0x4a));
    land.setColorAt(1.0, QColor(0x5c, 0x9e, 0x3c));
    painter.setPen(QPen(QColor(0x3b, 0x5e, 0x22), std::max(0.8, size / 128) / span));
    painter.setBrush(land);
    painter.drawPath(africaOutline());
    painter.restore();
}

void paintPin(QPainter &painter, double size)
{
    painter.save();
    // The needle goes into the middle of the continent, the head leans over the
    // sea to the north-east.
    painter.translate(size * 0.47, size * 0.55);
    painter.rotate(40);
    const double length = size * 0.48;
    painter.scale(length / kPushPinLength, length / kPushPinLength);
    paintPushPin(painter);
    painter.restore();
}

} // namespace

QImage appIcon(int size, IconTile tile)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTile(painter, size, tile);
    paintAfrica(painter, size);
    paintPin(painter, size);
    return icon;
}

} // namespace assets
