#include "AfricaOutline.h"

#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <initializer_list>

namespace assets {

namespace {

struct LonLat {
    double lon;
    double lat;
};

// Well-known capes and ports along the coast, in degrees, clockwise from the
// Strait of Gibraltar. An icon needs the shape, not the detail.
constexpr LonLat kMainland[] = {
    {-5.9, 35.8},   {-5.3, 35.9},   {-4.4, 35.2},   {-2.9, 35.3},   {-1.3, 35.3},   {0.1, 35.9},
    {1.3, 36.5},    {3.0, 36.8},    {5.1, 36.8},    {6.6, 37.1},    {7.8, 36.9},    {8.8, 37.0},
    {9.9, 37.3},    {10.3, 36.8},   {11.1, 37.1},   {10.6, 36.4},   {10.6, 35.8},   {11.1, 35.5},
    {10.8, 34.8},   {10.1, 33.9},   {10.9, 33.7},   {11.5, 33.2},   {12.6, 32.8},   {13.2, 32.9},
    {14.3, 32.6},   {15.2, 32.4},   {15.8, 31.5},   {16.6, 31.2},   {18.4, 30.6},   {19.6, 30.4},
    {20.1, 31.0},   {20.1, 32.1},   {21.0, 32.7},   {22.6, 32.8},   {23.9, 32.1},   {25.2, 31.6},
    {27.2, 31.4},   {29.9, 31.2},   {30.4, 31.5},   {31.8, 31.5},   {32.3, 31.3},   {32.6, 29.9},
    {32.7, 29.6},   {33.6, 27.6},   {33.8, 27.2},   {34.3, 26.1},   {35.5, 23.9},   {35.7, 22.9},
    {36.9, 22.0},   {37.2, 19.6},   {37.4, 18.8},   {38.5, 18.0},   {39.5, 15.6},   {40.1, 15.0},
    {41.7, 13.9},   {42.7, 13.0},   {43.3, 12.5},   {43.1, 11.6},   {43.5, 11.3},   {45.0, 10.4},
    {47.0, 11.1},   {49.2, 11.3},   {51.3, 11.8},   {51.1, 10.4},   {50.6, 9.0},    {49.8, 8.0},
    {48.5, 5.3},    {47.0, 3.5},    {45.3, 2.0},    {44.0, 1.0},    {42.5, -0.4},   {40.9, -2.3},
    {40.1, -3.2},   {39.7, -4.0},   {39.1, -5.1},   {38.9, -6.4},   {39.3, -6.8},   {39.4, -8.0},
    {39.5, -8.9},   {40.2, -10.3},  {40.5, -10.7},  {40.5, -13.0},  {40.7, -15.0},  {39.9, -16.2},
    {36.9, -17.9},  {34.8, -19.8},  {35.1, -20.7},  {35.5, -22.1},  {35.5, -23.8},  {35.0, -24.6},
    {33.6, -25.1},  {32.6, -25.9},  {32.9, -26.9},  {32.4, -28.6},  {31.0, -29.9},  {30.4, -30.8},
    {28.8, -32.3},  {27.9, -33.0},  {26.6, -33.7},  {25.6, -34.0},  {24.8, -34.2},  {22.1, -34.2},
    {20.0, -34.8},  {19.3, -34.6},  {18.5, -34.4},  {18.4, -33.9},  {17.9, -33.0},  {18.2, -32.2},
    {17.3, -30.3},  {16.5, -28.6},  {15.2, -26.6},  {14.9, -25.0},  {14.5, -22.9},  {13.3, -20.5},
    {11.8, -17.3},  {11.8, -16.0},  {12.1, -15.2},  {12.6, -13.5},  {13.4, -12.6},  {13.8, -10.7},
    {13.2, -8.8},   {13.1, -7.9},   {12.3, -6.0},   {11.9, -4.8},   {10.6, -3.4},   {9.5, -2.0},
    {8.7, -0.6},    {9.4, 0.4},     {9.8, 1.9},     {9.9, 2.9},     {9.7, 4.0},     {8.9, 4.5},
    {8.3, 4.7},     {7.1, 4.4},     {6.0, 4.3},     {5.3, 5.4},     {4.5, 6.3},     {3.4, 6.4},
    {2.4, 6.35},    {1.2, 6.1},     {-0.2, 5.55},   {-1.25, 5.1},   {-2.1, 4.7},    {-4.0, 5.3},
    {-6.1, 4.9},    {-7.7, 4.4},    {-9.0, 5.0},    {-10.8, 6.3},   {-11.4, 6.8},   {-12.5, 7.5},
    {-13.2, 8.5},   {-13.7, 9.5},   {-14.7, 10.6},  {-15.6, 11.9},  {-16.75, 12.4}, {-16.6, 13.4},
    {-17.0, 14.0},  {-17.5, 14.7},  {-17.1, 14.9},  {-16.5, 16.0},  {-16.1, 17.0},  {-16.0, 18.1},
    {-16.5, 19.4},  {-17.1, 20.8},  {-16.4, 22.3},  {-15.9, 23.7},  {-14.9, 25.0},  {-14.5, 26.1},
    {-13.2, 27.2},  {-12.9, 27.9},  {-11.1, 28.5},  {-10.2, 29.4},  {-9.6, 30.4},   {-9.8, 31.5},
    {-9.2, 32.3},   {-8.5, 33.25},  {-7.6, 33.6},   {-6.8, 34.0},   {-6.15, 35.2},
};

constexpr LonLat kMadagascar[] = {
    {49.3, -12.0},  {50.0, -13.4},  {50.5, -15.3},  {49.7, -16.9},  {49.4, -18.1},  {48.35, -21.2},
    {48.0, -22.1},  {47.0, -25.0},  {45.2, -25.6},  {44.0, -25.0},  {43.7, -23.4},  {43.4, -21.7},
    {44.3, -20.3},  {44.0, -18.1},  {44.5, -16.2},  {46.3, -15.7},  {47.8, -14.6},  {48.3, -13.4},
    {48.8, -12.4},
};

// Lambert's azimuthal equal-area projection about the middle of the continent
// keeps its familiar shape; north is up (y grows southwards, as on screen).
QPointF project(LonLat point)
{
    constexpr double kDegree = M_PI / 180;
    constexpr double kCentreLon = 18.0 * kDegree;
    constexpr double kCentreLat = 1.0 * kDegree;
    const double lon = point.lon * kDegree - kCentreLon;
    const double lat = point.lat * kDegree;
    const double k = std::sqrt(2 / (1 + std::sin(kCentreLat) * std::sin(lat)
                                    + std::cos(kCentreLat) * std::cos(lat) * std::cos(lon)));
    const double x = k * std::cos(lat) * std::sin(lon);
    const double y = k * (std::cos(kCentreLat) * std::sin(lat) - std::sin(kCentreLat) * std::cos(lat) * std::cos(lon));
    return {x, -y};
}

template <std::size_t N>
QPolygonF projected(const LonLat (&coast)[N])
{
    QPolygonF polygon;
    for (const LonLat &point : coast)
        polygon << project(point);
    return polygon;
}

} // namespace

QPainterPath africaOutline()
{
    QPainterPath path;
    path.addPolygon(projected(kMainland));
    path.closeSubpath();
    path.addPolygon(projected(kMadagascar));
    path.closeSubpath();

    const QRectF bounds = path.boundingRect();
    const double scale = 1 / std::max(bounds.width(), bounds.height());
    QTransform fit;
    fit.translate(0.5, 0.5);
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

} // namespace assets
