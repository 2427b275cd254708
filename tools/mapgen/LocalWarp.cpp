#include "tools/mapgen/LocalWarp.h"

#include "quiz/BoardLayout.h"

#include <cmath>

namespace mapgen {

LocalWarp::LocalWarp(const VertexBuffer& landTwips, double spacing)
    // Neighbouring bumps overlap enough for their sum to stay smooth.
    : width_(0.6 * spacing)
{
    const quiz::TwipRect& r = quiz::kMapPictureRect;
    for (double y = r.top + spacing / 2; y < r.bottom(); y += spacing) {
        for (double x = r.left + spacing / 2; x < r.right(); x += spacing) {
            bool nearLand = false;
            for (std::size_t i = 0; i < landTwips.x.size() && !nearLand; ++i)
                nearLand = std::hypot(landTwips.x[i] - x, landTwips.y[i] - y) < spacing;
            if (nearLand)
                centres_.emplace_back(x, y);
        }
    }
    shifts_.assign(parameterCount(), 0.0);
}

VertexBuffer LocalWarp::apply(const VertexBuffer& twips) const
{
    VertexBuffer warped = twips;
    const double scale = -0.5 / (width_ * width_);
    for (std::size_t i = 0; i < twips.x.size(); ++i) {
        for (std::size_t j = 0; j < centres_.size(); ++j) {
            const double dx = twips.x[i] - centres_[j].x();
            const double dy = twips.y[i] - centres_[j].y();
            const double weight = std::exp(scale * (dx * dx + dy * dy));
            warped.x[i] += weight * shifts_[2 * j];
            warped.y[i] += weight * shifts_[2 * j + 1];
        }
    }
    return warped;
}

} // namespace mapgen
