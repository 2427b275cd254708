// Writes the pictures, icons, pointer, country list and desktop icons under the
// assets folder given as the only argument. The sounds come from make-sounds.sh.
#include "AppIcon.h"
#include "AssetWriter.h"
#include "CountryList.h"
#include "HandCursor.h"
#include "IconFile.h"
#include "IndexedImage.h"
#include "PanelBand.h"
#include "PushPin.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

constexpr int kPanelJpegQuality = 95;
constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The sizes a web app's manifest must offer to be installed.
constexpr int kWebIconSizes[] = {192, 512};

void writeAll(const assets::AssetWriter &out)
{
    out.writeImage("pictures/panel.jpg", assets::panelBand(), "jpeg", kPanelJpegQuality);
    out.writeImage("pictures/pushpin.png", assets::toIndexed256(assets::dragPointerPicture()), "png");

    // A 24-bit image first for shells that read only the first one, then large
    // images with alpha.
    out.write("icons/quillmere.ico", assets::iconFile({{assets::appIcon(32, assets::IconTile::Square), 24},
                                                       {assets::appIcon(256), 32},
                                                       {assets::appIcon(128), 32},
                                                       {assets::appIcon(48), 32}}));
    QImage blank(32, 32, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    out.write("icons/design.ico", assets::iconFile({{blank, 32}}));

    out.write("program/HAND-M.CUR", assets::cursorFile({{assets::pointingHand(), 32, assets::kFingerTip}}));
    out.write("program/items.txt", assets::countryListFile());

    for (int size : kDesktopIconSizes)
        out.writeImage(QStringLiteral("linux/icons/%1x%1/org.quillmere.Quillmere.png").arg(size),
                       assets::appIcon(size), "png");
    for (int size : kWebIconSizes)
        out.writeImage(QStringLiteral("web/icons/quillmere-%1.png").arg(size), assets::appIcon(size), "png");
}

} // namespace

int main(int argc, char **argv)
{
    // Nothing is shown; the offscreen platform also keeps the output independent of
    // the desktop it runs on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    try {
        writeAll(assets::AssetWriter(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "quillmere-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
