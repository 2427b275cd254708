#include "HandCursor.h"

#include <QPainter>
#include <QPainterPath>

namespace assets {

namespace {

// Coordinates lie on half pixels so that the one-pixel outline stays sharp.
QPainterPath handShape()
{
    QPainterPath hand;
    auto add = [&hand](const QRectF &rect, double radius) {
        QPainterPath part;
        part.addRoundedRect(rect, radius, radius);
        hand = hand.united(part);
    };
    add({8.5, kFingerTip.y() + 0.5, 5, 16}, 2.5);   // index finger
    add({13.5, 9.5, 5, 8}, 2.5);                    // folded middle finger
    add({18.5, 10.5, 5, 8}, 2.5);                   // folded ring finger
    add({23.5, 12.5, 4, 7}, 2);                     // folded little finger
    add({8.5, 14.5, 19, 12}, 4);                    // palm
    add({11.5, 24.5, 14, 6}, 1);                    // wrist

    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -7, 5, 12), 2.5, 2.5);
    QTransform toPalm;
    toPalm.translate(7.5, 20);
    toPalm.rotate(-40);
    return hand.united(toPalm.map(thumb)).simplified();
}

} // namespace

QImage pointingHand()
{
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(handShape());
    // The creases between the folded fingers.
    painter.drawLine(QPointF(13.5, 13), QPointF(13.5, 16));
    painter.drawLine(QPointF(18.5, 13), QPointF(18.5, 16.5));
    painter.drawLine(QPointF(23.5, 15), QPointF(23.5, 17.5));
    return picture;
}

} // namespace assets
