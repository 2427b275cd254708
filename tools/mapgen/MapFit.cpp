#include "tools/mapgen/MapFit.h"

#include <nlopt.hpp>

#include <algorithm>
#include <cmath>

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
// What a hotspot centre or leader-line end off its country costs, against
// precision plus recall: a share for how far off it is, and a fixed sum.
constexpr double kPointPenalty = 0.01;
constexpr double kMissPenalty = 0.01;
// Half the side, in client pixels, of the square whose share off the country
// stands in for "this point is off its country": unlike the yes-or-no, the
// share changes smoothly as the map moves.
constexpr int kPointReach = 2;
// Limits that keep the warps mild. Polynomial terms are in twips at the unit
// circle (the continent reaches about 0.7 of it, where a cubic term moves a
// third as far); bumps move at most this far, and every twip costs a little.
constexpr double kPolynomialTermLimit = 900.0;
constexpr double kBumpShiftLimit = 180.0;
constexpr double kBumpCost = 0.004;
constexpr double kFailedLoss = 1e9;

double pointLoss(const ClientCountryGrid& grid, quiz::TwipPoint p, int code)
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
    return kPointPenalty * off / all + (grid.codeAt(cx, cy) != code ? kMissPenalty : 0.0);
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
        loss += pointLoss(grid, hotspotCentre(h.rect), countryRow(h.tag) + 1);
    for (const quiz::LeaderLine& line : quiz::kLeaderLines) {
        const int code = countryRow(line.country) + 1;
        loss += std::min(pointLoss(grid, {line.ends.x1, line.ends.y1}, code),
                         pointLoss(grid, {line.ends.x2, line.ends.y2}, code));
    }
    return loss;
}

double bumpCost(const LocalWarp& warp)
{
    double sum = 0;
    for (double s : warp.shifts())
        sum += (s / kBumpShiftLimit) * (s / kBumpShiftLimit);
    return warp.shifts().empty() ? 0.0 : kBumpCost * sum / warp.shifts().size();
}

bool allFinite(const VertexBuffer& v)
{
    const auto finite = [](double d) { return std::isfinite(d); };
    return std::all_of(v.x.begin(), v.x.end(), finite) && std::all_of(v.y.begin(), v.y.end(), finite);
}

VertexBuffer prefix(const VertexBuffer& v, int count)
{
    return {{v.x.begin(), v.x.begin() + count}, {v.y.begin(), v.y.begin() + count}};
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

std::vector<double> head(const std::vector<double>& v, std::size_t n)
{
    return {v.begin(), v.begin() + n};
}

std::vector<double> tail(const std::vector<double>& v, std::size_t n)
{
    return {v.begin() + n, v.end()};
}

} // namespace

MapFitter::MapFitter(const Atlas& atlas)
    : atlas_(atlas), indexLonLat_(prefix(atlas.lonLat, atlas.indexVertexCount))
{
}

VertexBuffer MapFitter::placeVertices(const MapFit& fit, const VertexBuffer& lonLat) const
{
    const Projection projection(*fit.family, fit.familyValues);
    return fit.localWarp.apply(fit.planeMap.map(projection.project(lonLat)));
}

PlacedAtlas MapFitter::place(const MapFit& fit) const
{
    return {atlas_, placeVertices(fit, atlas_.lonLat)};
}

MapFit MapFitter::scored(MapFit fit) const
{
    fit.loss = kFailedLoss;
    fit.evaluations = 1;
    try {
        const PlacedAtlas placed{atlas_, placeVertices(fit, indexLonLat_)};
        if (!allFinite(placed.twips))
            return fit;
        const ClientCountryGrid grid(renderCountryIndex(placed));
        fit.figures = measureHotspotFigures(grid);
        fit.loss = fitLoss(fit.figures, grid) + bumpCost(fit.localWarp);
    } catch (const std::exception&) {
        // Parameters PROJ cannot use: leave the loss at its worst.
    }
    return fit;
}

MapFit MapFitter::search(const SearchSpace& space, int budget) const
{
    int evaluations = 0;
    const auto loss = [&](const std::vector<double>& x) {
        ++evaluations;
        return space.fitAt(x).loss;
    };
    // Subplex stalls now and then on the figures' fine steps; a restart from
    // where it stopped, with fresh steps, gets it going again.
    std::vector<double> x = space.start;
    for (int round = 0; round < 3; ++round)
        x = minimise(nlopt::LN_SBPLX, x, space.lower, space.upper, space.steps, budget, loss);
    MapFit best = space.fitAt(x);
    best.evaluations = evaluations;
    return best;
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

    const std::size_t n = family.parameters.size();
    SearchSpace space;
    for (const FamilyParameter& p : family.parameters) {
        space.start.push_back(p.start);
        space.lower.push_back(p.lower);
        space.upper.push_back(p.upper);
        space.steps.push_back(0.5);
    }
    for (int i = 0; i < int(kReferencePlaneMap.coefficients().size()); ++i) {
        space.start.push_back(kReferencePlaneMap.coefficients()[i]);
        space.lower.push_back(-1e6);
        space.upper.push_back(1e6);
        space.steps.push_back(i % 3 == 0 ? 20.0 : 60.0); // offsets, then linear terms
    }
    const auto meanSquareDistance = [&](const std::vector<double>& v) {
        try {
            const VertexBuffer placed =
                PlaneMap(1, tail(v, n)).map(Projection(family, head(v, n)).project(samples));
            double sum = 0;
            for (std::size_t i = 0; i < placed.x.size(); ++i)
                sum += std::pow(placed.x[i] - target.x[i], 2) + std::pow(placed.y[i] - target.y[i], 2);
            return std::isfinite(sum) ? sum / placed.x.size() : kFailedLoss;
        } catch (const std::exception&) {
            return kFailedLoss;
        }
    };
    space.start = minimise(nlopt::LN_BOBYQA, space.start, space.lower, space.upper, space.steps,
                           3000, meanSquareDistance);
    space.fitAt = [&](const std::vector<double>& v) {
        MapFit candidate;
        candidate.family = &family;
        candidate.familyValues = head(v, n);
        candidate.planeMap = PlaneMap(1, tail(v, n));
        return scored(candidate);
    };
    return search(space, 700);
}

MapFit MapFitter::addPolynomialWarp(const MapFit& fit, int degree) const
{
    const PlaneMap raised = fit.planeMap.raisedTo(degree);
    const int terms = PlaneMap::termCount(degree);
    SearchSpace space;
    space.start = raised.coefficients();
    for (int i = 0; i < int(space.start.size()); ++i) {
        const int t = i % terms;
        const bool warpTerm = t >= PlaneMap::termCount(1);
        const double c = space.start[i];
        space.lower.push_back(warpTerm ? -kPolynomialTermLimit : c - 1e6);
        space.upper.push_back(warpTerm ? kPolynomialTermLimit : c + 1e6);
        space.steps.push_back(t == 0 ? 20.0 : warpTerm ? 40.0 : 60.0);
    }
    space.fitAt = [&](const std::vector<double>& v) {
        MapFit candidate = fit;
        candidate.planeMap = PlaneMap(degree, v);
        return scored(candidate);
    };
    return search(space, 2500);
}

MapFit MapFitter::addLocalWarp(const MapFit& fit, double spacing) const
{
    MapFit base = fit;
    base.localWarp = LocalWarp(placeVertices(fit, indexLonLat_), spacing);
    SearchSpace space;
    space.start = base.localWarp.shifts();
    space.lower.assign(space.start.size(), -kBumpShiftLimit);
    space.upper.assign(space.start.size(), kBumpShiftLimit);
    space.steps.assign(space.start.size(), 40.0);
    space.fitAt = [&](const std::vector<double>& v) {
        MapFit candidate = base;
        candidate.localWarp.setShifts(v);
        return scored(candidate);
    };
    return search(space, 4000);
}

} // namespace mapgen
