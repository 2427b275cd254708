#include "tools/mapgen/Projection.h"

#include <proj.h>

#include <stdexcept>

namespace mapgen {

const std::vector<ProjectionFamily>& projectionFamilies()
{
    // Centres start in the middle of the continent. Conics' standard parallels
    // start unevenly about the equator: PROJ has no cone for mirrored ones.
    // The plane map that follows absorbs scale and offset, so only parameters
    // that change the shape are free.
    static const std::vector<ProjectionFamily> families{
        {"Lambert azimuthal equal-area", "laea",
         {{"lon_0", 18.25, 0, 40}, {"lat_0", -1.38, -25, 25}}},
        {"Azimuthal equidistant", "aeqd", {{"lon_0", 18.25, 0, 40}, {"lat_0", -1.38, -25, 25}}},
        {"Stereographic", "stere", {{"lon_0", 18.25, 0, 40}, {"lat_0", -1.38, -25, 25}}},
        {"Orthographic", "ortho", {{"lon_0", 18.25, 0, 40}, {"lat_0", -1.38, -25, 25}}},
        {"Albers equal-area conic", "aea",
         {{"lon_0", 18.25, 0, 40}, {"lat_1", -5, -40, 10}, {"lat_2", 30, 15, 45}}},
        {"Lambert conformal conic", "lcc",
         {{"lon_0", 18.25, 0, 40}, {"lat_1", -5, -40, 10}, {"lat_2", 30, 15, 45}}},
        {"Sinusoidal", "sinu", {{"lon_0", 18.25, 0, 40}}},
        {"Equirectangular", "eqc", {}},
        {"Mercator", "merc", {}},
        {"Miller cylindrical", "mill", {}},
    };
    return families;
}

Projection::Projection(const ProjectionFamily& family, std::span<const double> values)
{
    definition_ = QString("+proj=%1 +R=1").arg(family.proj);
    for (std::size_t i = 0; i < family.parameters.size(); ++i)
        definition_ += QString(" +%1=%2").arg(family.parameters[i].key).arg(values[i], 0, 'f', 6);
    pj_ = proj_create(PJ_DEFAULT_CTX, definition_.toUtf8().constData());
    if (!pj_)
        throw std::runtime_error("PROJ rejects " + definition_.toStdString());
}

Projection::~Projection()
{
    proj_destroy(pj_);
}

VertexBuffer Projection::project(const VertexBuffer& lonLat) const
{
    VertexBuffer plane = lonLat;
    for (double& x : plane.x)
        x = proj_torad(x);
    for (double& y : plane.y)
        y = proj_torad(y);
    proj_trans_generic(pj_, PJ_FWD, plane.x.data(), sizeof(double), plane.x.size(), plane.y.data(),
                       sizeof(double), plane.y.size(), nullptr, 0, 0, nullptr, 0, 0);
    return plane;
}

} // namespace mapgen
