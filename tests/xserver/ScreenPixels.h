// What a picture of the window shows, judged pixel by pixel.
#pragma once

#include <QImage>
#include <QRect>

namespace xtest {

// Pixels of white text: every channel near full.
int whitePixels(const QImage &shot, const QRect &area);
int lightPixels(const QImage &shot, const QRect &area);
int darkPixels(const QImage &shot, const QRect &area);
// Pixels of dark text: dark in `after` where `before` was light.
int newDarkPixels(const QImage &before, const QImage &after, const QRect &area);
bool sameInArea(const QImage &a, const QImage &b, const QRect &area);
// The share of sample points in `area` whose colour is close to that of `picture`
// stretched into `target`, each axis on its own.
double likenessToPicture(const QImage &shot, const QImage &picture, const QRectF &target, const QRect &area);

} // namespace xtest
