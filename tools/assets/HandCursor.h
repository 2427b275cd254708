#pragma once

#include <QImage>
#include <QPoint>

namespace assets {

// The pointer shown over the window's buttons: a white hand with a black outline,
// its index finger pointing up. 32 x 32.
QImage pointingHand();

// The tip of the index finger: the cursor file's hot spot.
inline constexpr QPoint kFingerTip{11, 1};

} // namespace assets
