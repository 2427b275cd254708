#include "tools/mapgen/PlaneMap.h"

#include <cmath>
#include <stdexcept>

namespace mapgen {

PlaneMap::PlaneMap(int degree, std::vector<double> coefficients)
    : degree_(degree), coefficients_(std::move(coefficients))
{
    coefficients_.resize(2 * termCount(degree), 0.0);
}

double PlaneMap::evaluate(const double* terms, double u, double v) const
{
    double sum = 0;
    int t = 0;
    for (int d = 0; d <= degree_; ++d)
        for (int j = 0; j <= d; ++j)
            sum += terms[t++] * std::pow(u, d - j) * std::pow(v, j);
    return sum;
}

VertexBuffer PlaneMap::map(const VertexBuffer& plane) const
{
    VertexBuffer twips;
    twips.x.resize(plane.x.size());
    twips.y.resize(plane.y.size());
    for (std::size_t i = 0; i < plane.x.size(); ++i) {
        twips.x[i] = mapX(plane.x[i], plane.y[i]);
        twips.y[i] = mapY(plane.x[i], plane.y[i]);
    }
    return twips;
}

PlaneMap PlaneMap::raisedTo(int degree) const
{
    if (degree < degree_)
        throw std::invalid_argument("a plane map is only ever raised");
    const int oldTerms = termCount(degree_);
    std::vector<double> raised(2 * termCount(degree), 0.0);
    for (int t = 0; t < oldTerms; ++t) {
        raised[t] = coefficients_[t];
        raised[termCount(degree) + t] = coefficients_[oldTerms + t];
    }
    return PlaneMap(degree, raised);
}

} // namespace mapgen
