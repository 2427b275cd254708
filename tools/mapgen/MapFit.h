// Fitting the map to the hotspot table: a projection family's parameters and
// a plane map, chosen by optimisation so that each country lies under its own
// hotspots.
#pragma once

#include "tools/mapgen/HotspotFigures.h"
#include "tools/mapgen/MapPicture.h"
#include "tools/mapgen/PlaneMap.h"
#include "tools/mapgen/Projection.h"

#include <vector>

namespace mapgen {

struct MapFit {
    const ProjectionFamily* family = nullptr;
    std::vector<double> familyValues;
    PlaneMap planeMap{1};
    HotspotFigures figures;
    double loss = 0; // lower is better
    int evaluations = 0;
};

class MapFitter {
public:
    explicit MapFitter(const Atlas& atlas);

    // Starts from the family's closest match to a known good Lambert
    // azimuthal fit, then optimises the figures.
    MapFit fitFamily(const ProjectionFamily& family) const;

    // Adds a smooth polynomial warp of the given degree to a fit and
    // optimises again; the warp's own terms are kept small.
    MapFit addWarp(const MapFit& fit, int degree) const;

    PlacedAtlas place(const MapFit& fit) const;

private:
    MapFit evaluate(const ProjectionFamily& family, std::vector<double> familyValues,
                    PlaneMap planeMap) const;
    MapFit optimiseFigures(const MapFit& start, const std::vector<double>& warpLimits) const;

    const Atlas& atlas_;
};

} // namespace mapgen
