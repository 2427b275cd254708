#include "ScreenPixels.h"

#include <QColor>

#include <cstdlib>

namespace xtest {

namespace {

constexpr int kWhite = 230;
constexpr int kDark = 100;
constexpr int kLight = 150;
// Stretching smooths the picture and the screen rounds colours: a sample may
// differ this much per channel and still be the picture's.
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
    int samples = 0;
    int alike = 0;
    for (int y = area.top(); y <= area.bottom(); y += kSampleStep) {
        for (int x = area.left(); x <= area.right(); x += kSampleStep) {
            const int px = int((x + 0.5 - target.left()) * picture.width() / target.width());
            const int py = int((y + 0.5 - target.top()) * picture.height() / target.height());
            ++samples;
            alike += alikeColours(shot.pixel(x, y), picture.pixel(px, py)) ? 1 : 0;
        }
    }
    return samples ? double(alike) / samples : 0;
}

} // namespace xtest
