// Map projections of the unit sphere, done by PROJ, as families with free
// parameters (centre, standard parallels) for the optimiser to choose.
#pragma once

#include "tools/mapgen/Atlas.h"

#include <QString>

#include <span>
#include <vector>

struct PJconsts;

namespace mapgen {

struct FamilyParameter {
    const char* key; // the PROJ parameter, e.g. "lon_0"
    double start;
    double lower;
    double upper;
};

struct ProjectionFamily {
    const char* name;
    const char* proj; // PROJ's short name, e.g. "laea"
    std::vector<FamilyParameter> parameters;
};

// The families tried, the Lambert azimuthal equal-area first.
const std::vector<ProjectionFamily>& projectionFamilies();

class Projection {
public:
    Projection(const ProjectionFamily& family, std::span<const double> values);
    ~Projection();
    Projection(const Projection&) = delete;
    Projection& operator=(const Projection&) = delete;

    // Longitude and latitude in degrees to the plane of the unit sphere.
    VertexBuffer project(const VertexBuffer& lonLat) const;

    QString definition() const { return definition_; }

private:
    QString definition_;
    PJconsts* pj_ = nullptr;
};

} // namespace mapgen
