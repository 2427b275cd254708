// fit.json: the fitted projection and plane map, how every family did, and
// the figures of the committed picture, for people and for later runs to read.
#pragma once

#include "tools/mapgen/MapFit.h"

#include <QByteArray>

#include <vector>

namespace mapgen {

struct FitStages {
    std::vector<MapFit> families; // each family with an affine plane map
    MapFit cubic;                 // the best family with a cubic plane map
    MapFit local;                 // ... and the local warp: the chosen fit
};

QByteArray fitReport(const FitStages& stages, const PlacedAtlas& chosen, const HotspotFigures& pictureFigures,
                     const CountryColours& colours);

} // namespace mapgen
