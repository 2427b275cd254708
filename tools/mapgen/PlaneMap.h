// From a projection's plane to client twips: a polynomial in the plane
// coordinates, one for X and one for Y. Degree 1 is an affine map, which
// covers the picture's unequal stretch across and down; a higher degree adds
// a smooth warp without kinks.
#pragma once

#include "tools/mapgen/Atlas.h"

#include <vector>

namespace mapgen {

class PlaneMap {
public:
    explicit PlaneMap(int degree, std::vector<double> coefficients = {});

    static int termCount(int degree) { return (degree + 1) * (degree + 2) / 2; }

    int degree() const { return degree_; }
    // The X terms then the Y terms, each ordered 1, u, v, u², uv, v², u³, ...
    const std::vector<double>& coefficients() const { return coefficients_; }

    double mapX(double u, double v) const { return evaluate(coefficients_.data(), u, v); }
    double mapY(double u, double v) const
    {
        return evaluate(coefficients_.data() + termCount(degree_), u, v);
    }
    VertexBuffer map(const VertexBuffer& plane) const;

    // The same map with room for higher terms, which start at zero.
    PlaneMap raisedTo(int degree) const;

private:
    double evaluate(const double* terms, double u, double v) const;

    int degree_;
    std::vector<double> coefficients_;
};

} // namespace mapgen
