// The blue push-pin: the pointer that carries a dragged name, and the pin in the
// program icon.
#pragma once

#include <QImage>
#include <QPoint>

class QPainter;

namespace assets {

// The pin in its own frame: the needle's tip at the origin, the pin standing up
// along -y, kPushPinLength units from the tip to the top of the head.
inline constexpr double kPushPinLength = 31.5;
void paintPushPin(QPainter &painter);

// The drag pointer: 32 x 32, the head up and to the right, the needle's tip on
// this pixel, which is where the game puts the pointer's hot spot.
inline constexpr QPoint kDragPointerTip{3, 28};
QImage dragPointerPicture();

} // namespace assets
