// A smooth local warp in client twips: Gaussian bumps on a regular grid of
// centres near the land, each moving the map around it a little. It lets one
// region settle under its hotspots without pulling the rest of the continent
// along, and being a sum of Gaussians it has no kinks.
#pragma once

#include "tools/mapgen/Atlas.h"

#include <QPointF>

#include <vector>

namespace mapgen {

class LocalWarp {
public:
    LocalWarp() = default;
    // Centres every `spacing` twips over the picture, kept where land is near.
    LocalWarp(const VertexBuffer& landTwips, double spacing);

    int parameterCount() const { return 2 * int(centres_.size()); }
    // dx then dy of each bump, in twips.
    const std::vector<double>& shifts() const { return shifts_; }
    void setShifts(std::vector<double> shifts) { shifts_ = std::move(shifts); }
    const std::vector<QPointF>& centres() const { return centres_; }
    double width() const { return width_; }

    VertexBuffer apply(const VertexBuffer& twips) const;

private:
    std::vector<QPointF> centres_;
    std::vector<double> shifts_;
    double width_ = 0; // the Gaussians' standard deviation
};

} // namespace mapgen
