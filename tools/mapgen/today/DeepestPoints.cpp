#include "tools/mapgen/today/DeepestPoints.h"

#include <cmath>
#include <limits>

namespace mapgen::today {
namespace {

// Larger than any squared distance on the picture, small enough to subtract exactly.
constexpr double kFar = 1e12;

// Felzenszwalb and Huttenlocher's exact squared distance transform of one line.
void squaredDistances1d(std::vector<double>& f)
{
    const int n = int(f.size());
    std::vector<double> d(n), z(n + 1);
    std::vector<int> v(n);
    int k = 0;
    v[0] = 0;
    z[0] = -kFar;
    z[1] = kFar;
    const auto intersection = [&](int q, int p) {
        return ((f[q] + double(q) * q) - (f[p] + double(p) * p)) / (2.0 * q - 2.0 * p);
    };
    for (int q = 1; q < n; ++q) {
        double s = intersection(q, v[k]);
        while (s <= z[k]) // never past the first parabola, as z[0] lies below every s
            s = intersection(q, v[--k]);
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = kFar;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        d[q] = double(q - v[k]) * (q - v[k]) + f[v[k]];
    }
    f = d;
}

} // namespace

std::vector<RowArea> measureRowAreas(const QImage& index, int rowCount)
{
    const int w = index.width(), h = index.height();
    const auto value = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ? -1 : int(index.constScanLine(y)[x]);
    };
    // Distances to the nearest pixel on an edge between two values, the
    // picture's own edge counting as one.
    std::vector<double> dist(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = value(x, y);
            const bool edge = value(x - 1, y) != v || value(x + 1, y) != v || value(x, y - 1) != v
                              || value(x, y + 1) != v;
            dist[y * w + x] = edge ? 0 : kFar;
        }
    std::vector<double> line;
    for (int x = 0; x < w; ++x) {
        line.resize(h);
        for (int y = 0; y < h; ++y)
            line[y] = dist[y * w + x];
        squaredDistances1d(line);
        for (int y = 0; y < h; ++y)
            dist[y * w + x] = line[y];
    }
    for (int y = 0; y < h; ++y) {
        line.assign(dist.begin() + y * w, dist.begin() + (y + 1) * w);
        squaredDistances1d(line);
        std::copy(line.begin(), line.end(), dist.begin() + y * w);
    }

    std::vector<RowArea> areas(rowCount);
    std::vector<QPointF> sums(rowCount);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const int v = value(x, y); v > 0 && v <= rowCount) {
                RowArea& a = areas[v - 1];
                a.bounds = a.bounds.united(QRect(x, y, 1, 1));
                ++a.pixels;
                sums[v - 1] += QPointF(x, y);
            }
    std::vector<double> bestTie(rowCount, std::numeric_limits<double>::max());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const int v = value(x, y); v > 0 && v <= rowCount) {
                RowArea& a = areas[v - 1];
                const double depth = std::sqrt(dist[y * w + x]) + 1; // an edge pixel is a pixel from the next value
                const QPointF centroid = sums[v - 1] / a.pixels;
                const double tie = std::hypot(x - centroid.x(), y - centroid.y());
                if (depth > a.depth || (depth == a.depth && tie < bestTie[v - 1])) {
                    a.depth = depth;
                    a.deepest = QPoint(x, y);
                    bestTie[v - 1] = tie;
                }
            }
    return areas;
}

} // namespace mapgen::today
