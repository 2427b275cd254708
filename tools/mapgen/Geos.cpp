#include "tools/mapgen/Geos.h"

#include <ogr_geometry.h>

#include <stdexcept>

namespace mapgen::geos {

GEOSContextHandle_t context()
{
    // GDAL's own context routes GEOS messages to GDAL's error handler, and it
    // is the context that OGRGeometry::exportToGEOS expects.
    static const GEOSContextHandle_t handle = OGRGeometry::createGEOSContext();
    return handle;
}

Geometry adopt(GEOSGeometry* g)
{
    if (!g)
        throw std::runtime_error("GEOS operation failed");
    return Geometry(g);
}

Geometry box(double minX, double minY, double maxX, double maxY)
{
    return adopt(GEOSGeom_createRectangle_r(context(), minX, minY, maxX, maxY));
}

Geometry unite(const Geometry& a, const Geometry& b)
{
    return adopt(GEOSUnion_r(context(), a.get(), b.get()));
}

Geometry intersect(const Geometry& a, const Geometry& b)
{
    return adopt(GEOSIntersection_r(context(), a.get(), b.get()));
}

Geometry subtract(const Geometry& a, const Geometry& b)
{
    return adopt(GEOSDifference_r(context(), a.get(), b.get()));
}

bool intersects(const Geometry& a, const Geometry& b)
{
    return GEOSIntersects_r(context(), a.get(), b.get()) == 1;
}

double area(const Geometry& g)
{
    double result = 0;
    GEOSArea_r(context(), g.get(), &result);
    return result;
}

} // namespace mapgen::geos
