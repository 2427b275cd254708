#include "tools/mapgen/MapFit.h"

#include <nlopt.hpp>

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace mapgen {
namespace {

// An earlier trial found this a good fit: Lambert azimuthal equal-area on the
// unit sphere centred at 18.25 E, 1.38 S, then this affine map. Every family
// starts from its own closest match to it.
const std::vector<double> kReferenceCentre{18.25, -1.38};
const PlaneMap kReferencePlaneMap(1, {4226.0, 6822.3, 41.3, 5885.6, -56.1, -7940.0});

// The bars the committed picture must clear, aimed at with a little margin:
// below them the loss rises steeply, above them it only rewards the figures.
constexpr double kPrecisionFloor = 0.868;
constexpr double kRecallFloor = 0.888;
constexpr double kWrongDropCeiling = 0.041;
constexpr double kCountryRecallFloor = 0.735;
constexpr double kCountryWrongDropCeiling = 0.16;
constexpr double kBarPenalty = 10.0;
// What a hotspot centre or leader-line end wholly off its country costs,
// against precision plus recall.
constexpr double kPointPenalty = 0.006;
// Half the side, in client pixels, of the square whose share off the country
// stands in for "this point is off its country": unlike the yes-or-no, the
// share changes smoothly as the map moves.
constexpr int kPointReach = 2;
constexpr double kFailedLoss = 1e9;

double offCountryShare(const ClientCountryGrid& grid, quiz::TwipPoint p, int code)
{
    const int cx = p.x / quiz::kTwipsPerPixel;
    const int cy = p.y / quiz::kTwipsPerPixel;
    int off = 0;
    int all = 0;
    for (int y = std::max(0, cy - kPointReach); y <= std::min(kClientPixelHeight - 1, cy + kPointReach); ++y)
        for (int x = std::max(0, cx - kPointReach); x <= std::min(kClientPixelWidth - 1, cx + kPointReach); ++x) {
            off += grid.codeAt(x, y) != code;
            ++all;
        }
    return double(off) / all;
}

double fitLoss(const HotspotFigures& f, const ClientCountryGrid& grid)
{
    const auto shortfall = [](double value, double floor) { return std::max(0.0, floor - value); };
    double loss = -(f.precision + f.recall) + f.wrongDrop;
    loss += kBarPenalty * (shortfall(f.precision, kPrecisionFloor) + shortfall(f.recall, kRecallFloor)
                           + shortfall(-f.wrongDrop, -kWrongDropCeiling));
    for (const CountryFigures& c : f.countries)
        loss += kBarPenalty * (shortfall(c.recall(), kCountryRecallFloor)
                               + shortfall(-c.wrongDrop(), -kCountryWrongDropCeiling));
    for (const quiz::Hotspot& h : quiz::kHotspots)
        loss += kPointPenalty * offCountryShare(grid, hotspotCentre(h.rect), countryRow(h.tag) + 1);
    for (const quiz::LeaderLine& line : quiz::kLeaderLines) {
        const int code = countryRow(line.country) + 1;
        loss += kPointPenalty
                * std::min(offCountryShare(grid, {line.ends.x1, line.ends.y1}, code),
                           offCountryShare(grid, {line.ends.x2, line.ends.y2}, code));
    }
    return loss;
}

bool allFinite(const VertexBuffer& v)
{
    const auto finite = [](double d) { return std::isfinite(d); };
    return std::all_of(v.x.begin(), v.x.end(), finite) && std::all_of(v.y.begin(), v.y.end(), finite);
}

// NLopt's C++ interface takes a plain function and a data pointer.
template <typename F>
double callObjective(unsigned n, const double* x, double*, void* data)
{
    return (*static_cast<F*>(data))(std::vector<double>(x, x + n));
}

template <typename F>
std::vector<double> minimise(nlopt::algorithm algorithm, std::vector<double> x,
                             const std::vector<double>& lower, const std::vector<double>& upper,
                             const std::vector<double>& steps, int maxEvaluations, F objective)
{
    nlopt::opt opt(algorithm, unsigned(x.size()));
    opt.set_lower_bounds(lower);
    opt.set_upper_bounds(upper);
    opt.set_initial_step(steps);
    opt.set_maxeval(maxEvaluations);
    opt.set_xtol_rel(1e-7);
    opt.set_min_objective(&callObjective<F>, &objective);
    double best = 0;
    try {
        opt.optimize(x, best);
    } catch (const nlopt::roundoff_limited&) {
        // x holds the best point found, which is all we need.
    }
    return x;
}

} // namespace

MapFitter::MapFitter(const Atlas& atlas) : atlas_(atlas) {}

MapFit MapFitter::evaluate(const ProjectionFamily& family, std::vector<double> familyValues,
                           PlaneMap planeMap) const
{
    MapFit fit{&family, std::move(familyValues), std::move(planeMap), {}, kFailedLoss, 1};
    try {
        const Projection projection(family, fit.familyValues);
        const PlacedAtlas placed{atlas_, fit.planeMap.map(projection.project(atlas_.lonLat))};
        if (!allFinite(placed.twips))
            return fit;
        const ClientCountryGrid grid(renderCountryIndex(placed));
        fit.figures = measureHotspotFigures(grid);
        fit.loss = fitLoss(fit.figures, grid);
    } catch (const std::exception&) {
        // Parameters PROJ cannot use: leave the loss at its worst.
    }
    return fit;
}

PlacedAtlas MapFitter::place(const MapFit& fit) const
{
    const Projection projection(*fit.family, fit.familyValues);
    return {atlas_, fit.planeMap.map(projection.project(atlas_.lonLat))};
}

MapFit MapFitter::fitFamily(const ProjectionFamily& family) const
{
    // Match the reference fit at a sample of the quiz countries' vertices.
    VertexBuffer samples;
    for (const Shape& country : atlas_.countries)
        for (const Ring& ring : country.rings)
            for (int i = ring.begin; i < ring.end; i += 10) {
                samples.x.push_back(atlas_.lonLat.x[i]);
                samples.y.push_back(atlas_.lonLat.y[i]);
            }
    const VertexBuffer target = kReferencePlaneMap.map(
        Projection(projectionFamilies().front(), kReferenceCentre).project(samples));

    const int n = int(family.parameters.size());
    std::vector<double> x, lower, upper, steps;
    for (const FamilyParameter& p : family.parameters) {
        x.push_back(p.start);
        lower.push_back(p.lower);
        upper.push_back(p.upper);
        steps.push_back(1.0);
    }
    for (double c : kReferencePlaneMap.coefficients()) {
        x.push_back(c);
        lower.push_back(-1e6);
        upper.push_back(1e6);
        steps.push_back(100.0);
    }
    const auto meanSquareDistance = [&](const std::vector<double>& v) {
        try {
            const Projection projection(family, std::vector<double>(v.begin(), v.begin() + n));
            const VertexBuffer placed = PlaneMap(1, std::vector<double>(v.begin() + n, v.end()))
                                            .map(projection.project(samples));
            double sum = 0;
            for (std::size_t i = 0; i < placed.x.size(); ++i)
                sum += std::pow(placed.x[i] - target.x[i], 2) + std::pow(placed.y[i] - target.y[i], 2);
            return std::isfinite(sum) ? sum / placed.x.size() : kFailedLoss;
        } catch (const std::exception&) {
            return kFailedLoss;
        }
    };
    x = minimise(nlopt::LN_BOBYQA, x, lower, upper, steps, 3000, meanSquareDistance);
    const MapFit start = evaluate(family, std::vector<double>(x.begin(), x.begin() + n),
                                  PlaneMap(1, std::vector<double>(x.begin() + n, x.end())));
    fprintf(stderr, "start %s loss %.5f prec %.4f rec %.4f wd %.4f centres %d lines %d\n", family.name, start.loss, start.figures.precision, start.figures.recall, start.figures.wrongDrop, start.figures.centresOnOwnCountry(), start.figures.linesOnOwnCountry());
    return optimiseFigures(start, {});
}

MapFit MapFitter::addWarp(const MapFit& fit, int degree) const
{
    const PlaneMap raised = fit.planeMap.raisedTo(degree);
    // Limit each higher term, in twips at the unit circle; the continent
    // reaches about 0.7 of it, where a cubic term moves a third as far.
    std::vector<double> limits(raised.coefficients().size(), 0.0);
    for (int axis = 0; axis < 2; ++axis)
        for (int t = PlaneMap::termCount(1); t < PlaneMap::termCount(degree); ++t)
            limits[axis * PlaneMap::termCount(degree) + t] = 900.0;
    return optimiseFigures(evaluate(*fit.family, fit.familyValues, raised), limits);
}

MapFit MapFitter::optimiseFigures(const MapFit& start, const std::vector<double>& warpLimits) const
{
    const ProjectionFamily& family = *start.family;
    const int n = int(family.parameters.size());
    const PlaneMap& map = start.planeMap;
    const int terms = PlaneMap::termCount(map.degree());
    std::vector<double> x = start.familyValues, lower, upper, steps;
    for (const FamilyParameter& p : family.parameters) {
        lower.push_back(p.lower);
        upper.push_back(p.upper);
        steps.push_back(0.5);
    }
    for (int i = 0; i < int(map.coefficients().size()); ++i) {
        const int t = i % terms;
        const double c = map.coefficients()[i];
        x.push_back(c);
        const bool warpTerm = t >= PlaneMap::termCount(1);
        const double limit = warpTerm ? warpLimits[i] : 1e6;
        lower.push_back(warpTerm ? -limit : c - limit);
        upper.push_back(warpTerm ? limit : c + limit);
        steps.push_back(t == 0 ? 20.0 : warpTerm ? 40.0 : 60.0);
    }
    int evaluations = start.evaluations;
    const auto loss = [&](const std::vector<double>& v) {
        ++evaluations;
        return evaluate(family, std::vector<double>(v.begin(), v.begin() + n),
                        PlaneMap(map.degree(), std::vector<double>(v.begin() + n, v.end())))
            .loss;
    };
    // Subplex stalls now and then on the figures' fine steps; a restart from
    // where it stopped, with fresh steps, gets it going again.
    const int budget = warpLimits.empty() ? 700 : 2500;
    for (int round = 0; round < 3; ++round)
        x = minimise(nlopt::LN_SBPLX, x, lower, upper, steps, budget, loss);
    MapFit best = evaluate(family, std::vector<double>(x.begin(), x.begin() + n),
                           PlaneMap(map.degree(), std::vector<double>(x.begin() + n, x.end())));
    best.evaluations = evaluations;
    return best;
}

} // namespace mapgen
