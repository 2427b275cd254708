// The board of Africa today's picture grid: 575 x 726 pixels, one a logical
// pixel of the window, stretched 1:1 into the map's rectangle, whose top and
// bottom rows fall outside the client area.
#pragma once

#include "quiz/BoardLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace mapgen::today {

inline constexpr int kPx = quiz::kTwipsPerPixel;
inline constexpr QSize kPictureSize{quiz::kMapPictureRect.width / kPx, quiz::kMapPictureRect.height / kPx};
// The rows the window shows.
inline constexpr QRect kVisibleArea{0, -quiz::kMapPictureRect.top / kPx, kPictureSize.width(),
                                    quiz::kClientHeight / kPx};

// Index values: row k is k + 1; sea, lakes and land outside Africa are 0.
inline constexpr int kNoRow = 0;

// Client twips of a picture pixel's top-left corner.
constexpr int twipX(int px) { return quiz::kMapPictureRect.left + px * kPx; }
constexpr int twipY(int py) { return quiz::kMapPictureRect.top + py * kPx; }

// The client point at the middle of a picture pixel, in whole twips.
constexpr quiz::TwipPoint twipsOfPixel(QPoint p) { return {twipX(p.x()) + kPx / 2, twipY(p.y()) + kPx / 2}; }

constexpr quiz::TwipRect twipsOfRect(QRect r)
{
    return {twipX(r.left()), twipY(r.top()), r.width() * kPx, r.height() * kPx};
}

} // namespace mapgen::today
