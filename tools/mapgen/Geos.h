// Owning handles for GEOS geometries, with the few set operations the atlas
// needs. One context for the whole program: the generator is single-threaded.
#pragma once

#include <geos_c.h>

#include <memory>

namespace mapgen::geos {

GEOSContextHandle_t context();

struct Deleter {
    void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(context(), g); }
};
using Geometry = std::unique_ptr<GEOSGeometry, Deleter>;

// Takes ownership; throws if GEOS reported a failure with a null result.
Geometry adopt(GEOSGeometry* g);

Geometry box(double minX, double minY, double maxX, double maxY);
Geometry unite(const Geometry& a, const Geometry& b);
Geometry intersect(const Geometry& a, const Geometry& b);
Geometry subtract(const Geometry& a, const Geometry& b);
bool intersects(const Geometry& a, const Geometry& b);
double area(const Geometry& g);

} // namespace mapgen::geos
