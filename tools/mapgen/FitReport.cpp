#include "tools/mapgen/FitReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace mapgen {
namespace {

// Rounded so that the file reads well and stays byte-identical between runs.
double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QJsonObject projectionJson(const MapFit& fit)
{
    QJsonObject parameters;
    for (std::size_t i = 0; i < fit.familyValues.size(); ++i)
        parameters[fit.family->parameters[i].key] = rounded(fit.familyValues[i], 4);
    QJsonArray x, y;
    const int terms = PlaneMap::termCount(fit.planeMap.degree());
    for (int t = 0; t < terms; ++t) {
        x.append(rounded(fit.planeMap.coefficients()[t], 3));
        y.append(rounded(fit.planeMap.coefficients()[terms + t], 3));
    }
    QJsonObject o{
        {"family", fit.family->name},
        {"proj", Projection(*fit.family, fit.familyValues).definition()},
        {"parameters", parameters},
        {"planeMap",
         QJsonObject{{"degree", fit.planeMap.degree()},
                     {"terms", "1, u, v, u^2, uv, v^2, u^3, u^2v, uv^2, v^3 (up to the degree)"},
                     {"x", x},
                     {"y", y}}},
    };
    const LocalWarp& warp = fit.localWarp;
    if (!warp.centres().empty()) {
        QJsonArray bumps;
        for (std::size_t j = 0; j < warp.centres().size(); ++j)
            bumps.append(QJsonArray{rounded(warp.centres()[j].x(), 1), rounded(warp.centres()[j].y(), 1),
                                    rounded(warp.shifts()[2 * j], 2), rounded(warp.shifts()[2 * j + 1], 2)});
        o["localWarp"] = QJsonObject{
            {"about", "after the plane map, each vertex moves by the sum over bumps of "
                      "exp(-d^2 / (2 width^2)) * (dx, dy), d its distance from the bump's centre"},
            {"width", rounded(warp.width(), 1)},
            {"bumps (x, y, dx, dy in twips)", bumps},
        };
    }
    return o;
}

QJsonObject fitJson(const MapFit& fit, const QJsonObject& figures)
{
    return {{"projection", projectionJson(fit)}, {"loss", rounded(fit.loss, 5)}, {"figures", figures}};
}

QJsonObject figuresJson(const HotspotFigures& f)
{
    QJsonObject o{
        {"precision", rounded(f.precision, 4)},
        {"recall", rounded(f.recall, 4)},
        {"wrongDrop", rounded(f.wrongDrop, 4)},
        {"centresOnOwnCountry", f.centresOnOwnCountry()},
        {"linesOnOwnCountry", f.linesOnOwnCountry()},
    };
    const int worstRecall = f.worstRecallRow();
    const int worstWrong = f.worstWrongDropRow();
    o["worstRecall"] = QJsonObject{{"country", quiz::kCountryNames[worstRecall].toString()},
                                   {"value", rounded(f.countries[worstRecall].recall(), 4)}};
    o["worstWrongDrop"] = QJsonObject{{"country", quiz::kCountryNames[worstWrong].toString()},
                                      {"value", rounded(f.countries[worstWrong].wrongDrop(), 4)}};
    QJsonArray centreMisses, lineMisses;
    for (int i : f.centreMisses)
        centreMisses.append(i);
    for (int n : f.lineMisses)
        lineMisses.append(QString("Line%1").arg(n + 1));
    o["centreMisses"] = centreMisses;
    o["lineMisses"] = lineMisses;
    return o;
}

// How much of each country the picture draws as a state the board does not
// list, for the map test to find in the non-quiz style.
QJsonArray unlistedStatesJson(const PlacedAtlas& placed)
{
    const std::vector<int> pixels = unlistedStatePixels(placed);
    QJsonArray states;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const UnlistedState& state = placed.atlas.unlistedStates[i];
        states.append(QJsonObject{{"label", state.label},
                                  {"judgedAs", quiz::kCountryNames[state.judgedAs].toString()},
                                  {"picturePixels", pixels[i]}});
    }
    return states;
}

} // namespace

QByteArray fitReport(const FitStages& stages, const PlacedAtlas& chosen, const HotspotFigures& pictureFigures,
                     const CountryColours& colours)
{
    QJsonArray families;
    for (const MapFit& fit : stages.families)
        families.append(fitJson(fit, figuresJson(fit.figures)));
    QJsonObject countryColours;
    for (int k = 0; k < quiz::kCountryCount; ++k)
        countryColours[quiz::kCountryNames[k].toString()] = colours[k].name();
    const QJsonObject root{
        {"chosen", fitJson(stages.local, figuresJson(pictureFigures))},
        {"familiesWithAffinePlaneMap", families},
        {"bestFamilyWithCubicPlaneMap", fitJson(stages.cubic, figuresJson(stages.cubic.figures))},
        {"countryColours", countryColours},
        {"unlistedStates", unlistedStatesJson(chosen)},
        {"countryIndex", "country-index.png: 8-bit grey, one byte a pixel in the map picture's "
                         "700 x 752 grid; k + 1 for row k of the country table, 0 for sea, lakes "
                         "and land outside the quiz; the land of an unlisted state holds the "
                         "country that judges it"},
        {"placement", "lon/lat (degrees) -> PROJ on the unit sphere -> plane map (u, v) -> "
                      "local warp -> client twips; the picture spans Left 30, Top -180, "
                      "Width 8625, Height 10890 twips"},
        {"figures", "measured in the 999 x 706 client grid, frontmost (highest index) hotspot "
                    "owning each pixel; the chosen fit's figures are those of the committed "
                    "country-index.png"},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace mapgen
