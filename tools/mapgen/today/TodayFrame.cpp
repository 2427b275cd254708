#include "tools/mapgen/today/TodayFrame.h"

#include "tools/mapgen/MapStyle.h"
#include "tools/mapgen/Projection.h"
#include "tools/mapgen/today/PictureGrid.h"
#include "tools/mapgen/today/Rings.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace mapgen::today {
namespace {

// Between the land and the visible map's edge.
constexpr double kFrameMargin = 5;
// Island states below this many square degrees with no land border may be
// drawn in an inset; Madagascar holds its place on the map.
constexpr double kSmallIslandArea = 1;
// Between an inset's ring and its frame, and between its frame and any land.
constexpr double kInsetPadding = 4;
constexpr int kInsetClearance = 8;
// The projection's centre is searched on this grid, in degrees.
constexpr int kCentreStep = 2;

const ProjectionFamily kLambert{"Lambert azimuthal equal-area", "laea", {{"lon_0", 0, 0, 0}, {"lat_0", 0, 0, 0}}};

bool isSmallIsland(const TodayAtlas& atlas, int row)
{
    return !atlas.hasNeighbours(row) && atlas.countryAreas[row] < kSmallIslandArea;
}

QRectF boundsOf(const Shape& shape, const VertexBuffer& v)
{
    double left = std::numeric_limits<double>::max(), top = left, right = -left, bottom = -left;
    for (const Ring& ring : shape.rings)
        for (int i = ring.begin; i < ring.end; ++i) {
            left = std::min(left, v.x[i]);
            right = std::max(right, v.x[i]);
            top = std::min(top, v.y[i]);
            bottom = std::max(bottom, v.y[i]);
        }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The plane of the unit sphere, with y downwards, to picture pixels: the
// largest scale at which `bounds` fits the visible map, centred in it.
struct Placement {
    double scale = 0;
    QPointF offset;
};

Placement fitInto(QRectF bounds)
{
    const QRectF room = QRectF(kVisibleArea).adjusted(kFrameMargin, kFrameMargin, -kFrameMargin, -kFrameMargin);
    const double scale = std::min(room.width() / bounds.width(), room.height() / bounds.height());
    return {scale, room.center() - bounds.center() * scale};
}

struct Fit {
    double lon0 = 0, lat0 = 0;
    Placement placement;
};

// The centre that gives the rows that `framed` accepts the largest scale.
template <typename Framed>
Fit bestFit(const TodayAtlas& atlas, Framed framed)
{
    Fit best;
    for (int lon0 = 0; lon0 <= 40; lon0 += kCentreStep)
        for (int lat0 = -10; lat0 <= 10; lat0 += kCentreStep) {
            const double values[] = {double(lon0), double(lat0)};
            VertexBuffer plane = Projection(kLambert, values).project(atlas.lonLat);
            for (double& y : plane.y)
                y = -y;
            QRectF bounds;
            for (int k = 0; k < int(atlas.countries.size()); ++k)
                if (framed(k))
                    bounds = bounds.united(boundsOf(atlas.countries[k], plane));
            const Placement p = fitInto(bounds);
            if (p.scale > best.placement.scale)
                best = {double(lon0), double(lat0), p};
        }
    return best;
}

// Land of the mainland placement, one bit a picture pixel, summed for fast box tests.
class LandTable {
public:
    LandTable(const TodayAtlas& atlas, const VertexBuffer& placed, const std::vector<int>& offMap)
        : sums_(std::size_t(kPictureSize.width() + 1) * (kPictureSize.height() + 1), 0)
    {
        QImage land(kPictureSize, QImage::Format_Grayscale8);
        land.fill(0);
        QPainter painter(&land);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255));
        for (int k = 0; k < int(atlas.countries.size()); ++k)
            if (std::find(offMap.begin(), offMap.end(), k) == offMap.end())
                painter.drawPath(pathOf(atlas.countries[k], placed));
        for (const Shape& other : atlas.otherLand)
            painter.drawPath(pathOf(other, placed));
        painter.end();
        const int w = kPictureSize.width() + 1;
        for (int y = 0; y < kPictureSize.height(); ++y)
            for (int x = 0; x < kPictureSize.width(); ++x)
                sums_[(y + 1) * w + x + 1] = (land.constScanLine(y)[x] != 0 ? 1 : 0) + sums_[y * w + x + 1]
                                             + sums_[(y + 1) * w + x] - sums_[y * w + x];
    }

    // Land pixels within r, which must lie on the picture.
    int landIn(QRect r) const
    {
        const int w = kPictureSize.width() + 1;
        return sums_[(r.bottom() + 1) * w + r.right() + 1] - sums_[r.top() * w + r.right() + 1]
               - sums_[(r.bottom() + 1) * w + r.left()] + sums_[r.top() * w + r.left()];
    }

private:
    std::vector<int> sums_;
};

// The open-sea box nearest the group's true place, clear of land and of the
// boxes placed before it.
QRectF insetBox(QRectF group, const LandTable& land, const std::vector<Inset>& placed)
{
    const int side = int(std::ceil(2 * (islandGroupRingRadius(group) + kInsetPadding)));
    const QRect room = kVisibleArea.adjusted(kInsetClearance, kInsetClearance, -kInsetClearance, -kInsetClearance);
    QRectF best;
    double bestDistance = std::numeric_limits<double>::max();
    for (int y = room.top(); y + side <= room.bottom(); ++y)
        for (int x = room.left(); x + side <= room.right(); ++x) {
            const QRect box(x, y, side, side);
            const QRect clear = box.adjusted(-kInsetClearance, -kInsetClearance, kInsetClearance, kInsetClearance);
            const double distance = std::hypot(box.center().x() - group.center().x(),
                                               box.center().y() - group.center().y());
            if (distance >= bestDistance || land.landIn(clear) > 0)
                continue;
            if (std::any_of(placed.begin(), placed.end(),
                            [&](const Inset& i) { return i.box.intersects(QRectF(clear)); }))
                continue;
            best = QRectF(box);
            bestDistance = distance;
        }
    if (best.isNull())
        throw std::runtime_error("no open sea for an inset");
    return best;
}

double pixelsPerDegree(double scale)
{
    return scale * std::numbers::pi / 180;
}

} // namespace

TodayFrame frameAtlas(const TodayAtlas& atlas)
{
    const Fit fit = bestFit(atlas, [&](int row) { return !isSmallIsland(atlas, row); });
    const Fit wider = bestFit(atlas, [](int) { return true; });

    TodayFrame frame;
    const double values[] = {fit.lon0, fit.lat0};
    const Projection projection(kLambert, values);
    frame.projection = projection.definition();
    frame.pixelsPerDegree = pixelsPerDegree(fit.placement.scale);
    frame.widerFramePixelsPerDegree = pixelsPerDegree(wider.placement.scale);
    frame.placed = projection.project(atlas.lonLat);
    for (std::size_t i = 0; i < frame.placed.x.size(); ++i) {
        frame.placed.x[i] = frame.placed.x[i] * fit.placement.scale + fit.placement.offset.x();
        frame.placed.y[i] = -frame.placed.y[i] * fit.placement.scale + fit.placement.offset.y();
    }

    const QRectF onMap = QRectF(kVisibleArea).adjusted(kFrameMargin, kFrameMargin, -kFrameMargin, -kFrameMargin);
    std::vector<int> offMap;
    for (int k = 0; k < int(atlas.countries.size()); ++k)
        if (isSmallIsland(atlas, k) && !onMap.contains(boundsOf(atlas.countries[k], frame.placed)))
            offMap.push_back(k);
    const LandTable land(atlas, frame.placed, offMap);
    for (int row : offMap) {
        const QRectF group = boundsOf(atlas.countries[row], frame.placed);
        const QRectF box = insetBox(group, land, frame.insets);
        const QPointF shift = box.center() - group.center();
        for (const Ring& ring : atlas.countries[row].rings)
            for (int i = ring.begin; i < ring.end; ++i) {
                frame.placed.x[i] += shift.x();
                frame.placed.y[i] += shift.y();
            }
        frame.insets.push_back({row, box});
    }
    return frame;
}

} // namespace mapgen::today
