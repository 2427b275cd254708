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
    return {
        {"family", fit.family->name},
        {"proj", Projection(*fit.family, fit.familyValues).definition()},
        {"parameters", parameters},
        {"planeMap",
         QJsonObject{{"degree", fit.planeMap.degree()},
                     {"terms", "1, u, v, u^2, uv, v^2, u^3, u^2v, uv^2, v^3 (as far as the degree goes)"},
                     {"x", x},
                     {"y", y}}},
    };
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

} // namespace

QByteArray fitReport(const MapFit& chosen, const std::vector<MapFit>& families,
                     const HotspotFigures& pictureFigures, const CountryColours& colours)
{
    QJsonArray tried;
    for (const MapFit& fit : families)
        tried.append(QJsonObject{{"projection", projectionJson(fit)},
                                 {"loss", rounded(fit.loss, 5)},
                                 {"figures", figuresJson(fit.figures)}});
    QJsonObject countryColours;
    for (int k = 0; k < quiz::kCountryCount; ++k)
        countryColours[quiz::kCountryNames[k].toString()] = colours[k].name();
    const QJsonObject root{
        {"fitted", QJsonObject{{"projection", projectionJson(chosen)}, {"loss", rounded(chosen.loss, 5)}}},
        {"figures", figuresJson(pictureFigures)},
        {"familiesWithoutWarp", tried},
        {"countryColours", countryColours},
        {"countryIndex", "country-index.png: 8-bit grey, one byte a pixel in the map picture's "
                         "700 x 752 grid; k + 1 for row k of the country table, 0 for sea, lakes "
                         "and land outside the quiz"},
        {"placement", "lon/lat (degrees) -> PROJ on the unit sphere -> plane map -> client "
                      "twips; the picture spans Left 30, Top -180, Width 8625, Height 10890 twips"},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace mapgen
