// Board geometry is kept in twips, the units the board is designed in: whole
// numbers, 15 to a logical pixel.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <cmath>

namespace quiz {

inline constexpr int kTwipsPerPixel = 15;

struct TwipPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipPoint &) const = default;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }

    // The right and bottom edges lie outside, so two rectangles that only touch
    // never both contain a point.
    constexpr bool contains(TwipPoint p) const
    {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }

    QRectF toPixels() const
    {
        return {double(left) / kTwipsPerPixel, double(top) / kTwipsPerPixel,
                double(width) / kTwipsPerPixel, double(height) / kTwipsPerPixel};
    }
};

struct TwipLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    QLineF toPixels() const
    {
        return {double(x1) / kTwipsPerPixel, double(y1) / kTwipsPerPixel,
                double(x2) / kTwipsPerPixel, double(y2) / kTwipsPerPixel};
    }
};

inline TwipPoint twipsFromPixels(QPointF p)
{
    return {int(std::floor(p.x() * kTwipsPerPixel)), int(std::floor(p.y() * kTwipsPerPixel))};
}

} // namespace quiz
