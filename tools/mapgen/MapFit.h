// Fitting the map to the hotspot table: a projection family's parameters, a
// plane map and a local warp, chosen by optimisation so that each country
// lies under its own hotspots.
#pragma once

#include "tools/mapgen/HotspotFigures.h"
#include "tools/mapgen/LocalWarp.h"
#include "tools/mapgen/MapPicture.h"
#include "tools/mapgen/PlaneMap.h"
#include "tools/mapgen/Projection.h"

#include <functional>
#include <vector>

namespace mapgen {

struct MapFit {
    const ProjectionFamily* family = nullptr;
    std::vector<double> familyValues;
    PlaneMap planeMap{1};
    LocalWarp localWarp;
    HotspotFigures figures;
    double loss = 0; // lower is better
    int evaluations = 0;
};

class MapFitter {
public:
    explicit MapFitter(const Atlas& atlas);

    // Starts from the family's closest match to a known good Lambert
    // azimuthal fit, then optimises the figures with an affine plane map.
    MapFit fitFamily(const ProjectionFamily& family) const;

    // Raises the plane map to a polynomial of the given degree, a smooth
    // warp of the whole map, and optimises again.
    MapFit addPolynomialWarp(const MapFit& fit, int degree) const;

    // Adds bumps every `spacing` twips and optimises their shifts only.
    MapFit addLocalWarp(const MapFit& fit, double spacing) const;

    // Every vertex of the atlas in client twips, as the fit places it.
    PlacedAtlas place(const MapFit& fit) const;

private:
    struct SearchSpace {
        std::vector<double> start, lower, upper, steps;
        std::function<MapFit(const std::vector<double>&)> fitAt;
    };

    VertexBuffer placeVertices(const MapFit& fit, const VertexBuffer& lonLat) const;
    MapFit scored(MapFit fit) const;
    MapFit search(const SearchSpace& space, int budget) const;

    const Atlas& atlas_;
    VertexBuffer indexLonLat_; // the vertices the country index needs
};

} // namespace mapgen
