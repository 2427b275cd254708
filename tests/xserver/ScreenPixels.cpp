#include "ScreenPixels.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace xtest {

namespace {

constexpr int kWhite = 230;
constexpr int kDark = 100;
constexpr int kLight = 150;
// The stretch's own filter is no plain average, and the screen rounds colours:
// a sample may differ this much per channel and still be the picture's.
constexpr int kPictureTolerance = 40;
constexpr int kSampleStep = 7;

template<class Test>
int countPixels(const QRect &area, Test &&test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(x, y) ? 1 : 0;
    return count;
}

bool alikeColours(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= kPictureTolerance && std::abs(qGreen(a) - qGreen(b)) <= kPictureTolerance
        && std::abs(qBlue(a) - qBlue(b)) <= kPictureTolerance;
}

// The mean colour of the picture's pixels under `footprint`: what a smooth
// stretch gives a screen pixel, whether the picture is shrunk or enlarged.
QRgb averageColour(const QImage &picture, const QRectF &footprint)
{
    const QRect pixels = QRect(QPoint(int(footprint.left()), int(footprint.top())),
                               QPoint(int(std::ceil(footprint.right())) - 1, int(std::ceil(footprint.bottom())) - 1))
                             .intersected(picture.rect());
    int red = 0, green = 0, blue = 0;
    countPixels(pixels, [&](int x, int y) {
        const QRgb c = picture.pixel(x, y);
        red += qRed(c);
        green += qGreen(c);
        blue += qBlue(c);
        return true;
    });
    const int n = std::max(1, pixels.width() * pixels.height());
    return qRgb(red / n, green / n, blue / n);
}

} // namespace

int whitePixels(const QImage &shot, const QRect &area)
{
    return countPixels(area, [&](int x, int y) {
        const QRgb c = shot.pixel(x, y);
        return qRed(c) >= kWhite && qGreen(c) >= kWhite && qBlue(c) >= kWhite;
    });
}

int lightPixels(const QImage &shot, const QRect &area)
{
    return countPixels(area, [&](int x, int y) { return qGray(shot.pixel(x, y)) >= kLight; });
}

int darkPixels(const QImage &shot, const QRect &area)
{
    return countPixels(area, [&](int x, int y) { return qGray(shot.pixel(x, y)) < kDark; });
}

int newDarkPixels(const QImage &before, const QImage &after, const QRect &area)
{
    return countPixels(area, [&](int x, int y) {
        return qGray(after.pixel(x, y)) < kDark && qGray(before.pixel(x, y)) >= kLight;
    });
}

bool sameInArea(const QImage &a, const QImage &b, const QRect &area)
{
    return countPixels(area, [&](int x, int y) { return a.pixel(x, y) != b.pixel(x, y); }) == 0;
}

double likenessToPicture(const QImage &shot, const QImage &picture, const QRectF &target, const QRect &area)
{
    const double scaleX = picture.width() / target.width();
    const double scaleY = picture.height() / target.height();
    int samples = 0;
    int alike = 0;
    for (int y = area.top(); y <= area.bottom(); y += kSampleStep) {
        for (int x = area.left(); x <= area.right(); x += kSampleStep) {
            const QRectF footprint((x - target.left()) * scaleX, (y - target.top()) * scaleY, scaleX, scaleY);
            ++samples;
            alike += alikeColours(shot.pixel(x, y), averageColour(picture, footprint)) ? 1 : 0;
        }
    }
    return samples ? double(alike) / samples : 0;
}

} // namespace xtest
