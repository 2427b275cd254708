#include "IndexedImage.h"

#include <algorithm>
#include <map>
#include <vector>

namespace assets {

namespace {

constexpr int kMaxColours = 256;

QRgb dropLowBits(QRgb pixel, int bits)
{
    if (qAlpha(pixel) == 0)
        return 0; // every fully transparent pixel is the same colour
    const int keep = 0xff & ~((1 << bits) - 1);
    return qRgba(qRed(pixel) & keep, qGreen(pixel) & keep, qBlue(pixel) & keep, qAlpha(pixel) & keep);
}

std::vector<QRgb> coloursOf(const QImage &image, int droppedBits)
{
    std::vector<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.push_back(dropLowBits(row[x], droppedBits));
    }
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return colours;
}

} // namespace

QImage toIndexed256(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int droppedBits = 0;
    std::vector<QRgb> palette = coloursOf(image, droppedBits);
    while (int(palette.size()) > kMaxColours)
        palette = coloursOf(image, ++droppedBits);

    std::map<QRgb, int> indexOf;
    for (std::size_t i = 0; i < palette.size(); ++i)
        indexOf[palette[i]] = int(i);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < image.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *dst = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            dst[x] = uchar(indexOf.at(dropLowBits(src[x], droppedBits)));
    }
    return indexed;
}

} // namespace assets
