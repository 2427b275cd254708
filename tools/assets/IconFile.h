// Windows icon (.ico) and cursor (.cur) files, written by hand because Qt's
// writer chooses the bit depth and order of the images itself and knows no hot spots.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <vector>

namespace assets {

struct IconImage {
    QImage image;       // square, 1 to 256 pixels wide
    int bitsPerPixel;   // 24 (transparency only through the mask) or 32 (alpha)
    QPoint hotSpot{};   // used in cursor files only
};

// Images are stored in the order given, each as a bottom-up bitmap with its
// transparency mask, which every reader of the format understands.
QByteArray iconFile(const std::vector<IconImage> &images);
QByteArray cursorFile(const std::vector<IconImage> &images);

} // namespace assets
