// fit.json: the fitted projection and plane map, how every family did, and
// the figures of the committed picture, for people and for later runs to read.
#pragma once

#include "tools/mapgen/MapFit.h"

#include <QByteArray>

#include <vector>

namespace mapgen {

QByteArray fitReport(const MapFit& chosen, const std::vector<MapFit>& families,
                     const HotspotFigures& pictureFigures, const CountryColours& colours);

} // namespace mapgen
