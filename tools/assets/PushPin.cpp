#include "PushPin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace assets {

namespace {

// A round body lit from one side: a highlight left of the middle, shade to the right.
QLinearGradient roundShading(double halfWidth, const QColor &light, const QColor &body, const QColor &shade)
{
    QLinearGradient gradient(-halfWidth, 0, halfWidth, 0);
    gradient.setColorAt(0.0, body);
    gradient.setColorAt(0.3, light);
    gradient.setColorAt(0.55, body);
    gradient.setColorAt(1.0, shade);
    return gradient;
}

QPainterPath needle()
{
    QPainterPath path;
    // A blunt point, so the tip shows as a pixel of its own in the small pointer.
    path.moveTo(-0.45, 0.3);
    path.lineTo(0.45, 0.3);
    path.lineTo(0.9, -13);
    path.lineTo(-0.9, -13);
    path.closeSubpath();
    return path;
}

// Head, waist and collar of the plastic grip, as one outline.
QPainterPath grip()
{
    QPainterPath collar;
    collar.addRoundedRect(QRectF(-7, -15, 14, 3.2), 1.6, 1.6);
    QPainterPath waist;
    waist.moveTo(-2.6, -13);
    waist.lineTo(2.6, -13);
    waist.lineTo(3.6, -23.5);
    waist.lineTo(-3.6, -23.5);
    waist.closeSubpath();
    QPainterPath head;
    head.addRoundedRect(QRectF(-6.5, -kPushPinLength, 13, 8.5), 3.5, 3.5);
    return collar.united(waist).united(head);
}

} // namespace

void paintPushPin(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(QColor(0x4a, 0x50, 0x5a), 0.6));
    painter.setBrush(roundShading(0.9, QColor(0xf2, 0xf4, 0xf7), QColor(0xb8, 0xbe, 0xc8), QColor(0x70, 0x78, 0x84)));
    painter.drawPath(needle());

    painter.setPen(QPen(QColor(0x0b, 0x2c, 0x6e), 0.9));
    painter.setBrush(roundShading(6.5, QColor(0x9c, 0xc4, 0xff), QColor(0x25, 0x6b, 0xe0), QColor(0x12, 0x3f, 0x9c)));
    painter.drawPath(grip());
    // A glint on the head sells the plastic.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QRectF(-3.8, -kPushPinLength + 1.6, 2.6, 3.2));
    painter.restore();
}

QImage dragPointerPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The tip sits in the middle of its pixel; the pin leans 45 degrees to the right.
    painter.translate(kDragPointerTip.x() + 0.5, kDragPointerTip.y() + 0.5);
    painter.rotate(45);
    paintPushPin(painter);
    return picture;
}

} // namespace assets
