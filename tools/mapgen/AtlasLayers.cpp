#include "tools/mapgen/AtlasLayers.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <stdexcept>

namespace mapgen {
namespace {

// Land of the rest of the world that can show on the picture.
constexpr double kWindowWest = -30, kWindowEast = 75, kWindowSouth = -55, kWindowNorth = 50;

// Lakes below this many square degrees (a few picture pixels) are left out:
// they cannot be seen as lakes and would only put hotspot centres on water.
constexpr double kSmallestLake = 0.08;

// Countries that straddle 180 degrees (Fiji, Russia) come with rings round the
// whole globe, which a clip to the window would turn into slivers across the
// map. None of them is near Africa.
bool crossesAntimeridian(const geos::Geometry& g)
{
    double west = 0, east = 0;
    GEOSGeom_getXMin_r(geos::context(), g.get(), &west);
    GEOSGeom_getXMax_r(geos::context(), g.get(), &east);
    return east - west > 180;
}

} // namespace

std::vector<NamedGeometry> readLayer(const QString& path, const char* layerName)
{
    GDALDatasetUniquePtr dataset(
        GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset)
        throw std::runtime_error("cannot open " + path.toStdString());
    OGRLayer* layer = dataset->GetLayerByName(layerName);
    if (!layer)
        throw std::runtime_error(std::string("no layer ") + layerName + " in " + path.toStdString());
    const bool named = layer->GetLayerDefn()->GetFieldIndex("name") >= 0;
    std::vector<NamedGeometry> result;
    for (const OGRFeatureUniquePtr& feature : *layer) {
        const OGRGeometry* g = feature->GetGeometryRef();
        if (!g)
            continue;
        geos::Geometry raw = geos::adopt(g->exportToGEOS(geos::context()));
        result.push_back({named ? QString::fromUtf8(feature->GetFieldAsString("name")) : QString(),
                          geos::adopt(GEOSMakeValid_r(geos::context(), raw.get()))});
    }
    return result;
}

std::optional<geos::Geometry> landInMapWindow(const geos::Geometry& country)
{
    static const geos::Geometry window = geos::box(kWindowWest, kWindowSouth, kWindowEast, kWindowNorth);
    if (!geos::intersects(country, window) || crossesAntimeridian(country))
        return std::nullopt;
    return geos::intersect(country, window);
}

void addUnion(std::optional<geos::Geometry>& total, const geos::Geometry& part)
{
    total = total ? geos::unite(*total, part) : geos::adopt(GEOSGeom_clone_r(geos::context(), part.get()));
}

void returnSouthOfBorderToWesternSahara(std::optional<geos::Geometry>& morocco,
                                        std::optional<geos::Geometry>& westernSahara)
{
    const geos::Geometry south = geos::box(-30, -90, 30, kMoroccoSouthernBorder);
    addUnion(westernSahara, geos::intersect(*morocco, south));
    morocco = geos::subtract(*morocco, south);
}

Shape ShapeWriter::shapeOf(const GEOSGeometry* g)
{
    Shape shape;
    addPolygons(g, shape);
    return shape;
}

void ShapeWriter::addPolygons(const GEOSGeometry* g, Shape& shape)
{
    GEOSContextHandle_t ctx = geos::context();
    if (GEOSGeomTypeId_r(ctx, g) == GEOS_POLYGON) {
        addRing(GEOSGetExteriorRing_r(ctx, g), shape);
        for (int i = 0; i < GEOSGetNumInteriorRings_r(ctx, g); ++i)
            addRing(GEOSGetInteriorRingN_r(ctx, g, i), shape);
        return;
    }
    // Multi-polygons and the collections that set operations may return;
    // anything that is not a polygon has no area to draw.
    if (GEOSGeomTypeId_r(ctx, g) == GEOS_MULTIPOLYGON
        || GEOSGeomTypeId_r(ctx, g) == GEOS_GEOMETRYCOLLECTION)
        for (int i = 0; i < GEOSGetNumGeometries_r(ctx, g); ++i)
            addPolygons(GEOSGetGeometryN_r(ctx, g, i), shape);
}

void ShapeWriter::addRing(const GEOSGeometry* ring, Shape& shape)
{
    GEOSContextHandle_t ctx = geos::context();
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(ctx, ring);
    unsigned int size = 0;
    GEOSCoordSeq_getSize_r(ctx, seq, &size);
    Ring r{int(vertices_.x.size()), int(vertices_.x.size())};
    for (unsigned int i = 0; i + 1 < size; ++i) { // the last vertex repeats the first
        double x = 0, y = 0;
        GEOSCoordSeq_getXY_r(ctx, seq, i, &x, &y);
        vertices_.x.push_back(x);
        vertices_.y.push_back(y);
    }
    r.end = int(vertices_.x.size());
    if (r.end > r.begin)
        shape.rings.push_back(r);
}

std::vector<geos::Geometry> readLakes(const QString& sane)
{
    std::vector<NamedGeometry> detailed = readLayer(sane + "/africa_50m.json", "lakes");
    std::vector<NamedGeometry> coarse = readLayer(sane + "/africa_110m.json", "lakes");
    std::vector<geos::Geometry> lakes;
    // The 50m set lacks Lake Tanganyika: take the coarse lakes it has no counterpart for.
    for (NamedGeometry& lake : coarse) {
        bool known = false;
        for (const NamedGeometry& d : detailed)
            known = known || geos::intersects(lake.geometry, d.geometry);
        if (!known)
            lakes.push_back(std::move(lake.geometry));
    }
    for (NamedGeometry& lake : detailed)
        if (geos::area(lake.geometry) >= kSmallestLake)
            lakes.push_back(std::move(lake.geometry));
    return lakes;
}

} // namespace mapgen
