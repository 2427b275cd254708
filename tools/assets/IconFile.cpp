#include "IconFile.h"

#include <QDataStream>
#include <QIODevice>
#include <stdexcept>

namespace assets {

namespace {

constexpr quint16 kIconType = 1;
constexpr quint16 kCursorType = 2;
constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

int rowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// A pixel counts as transparent in the mask when less than half covered, so the
// 24-bit images, which have only the mask, keep the outline of the drawing.
bool maskedOut(QRgb pixel) { return qAlpha(pixel) < 128; }

QByteArray bitmap(const IconImage &entry)
{
    const QImage image = entry.image.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int colourRow = rowBytes(size, entry.bitsPerPixel);
    const int maskRow = rowBytes(size, 1);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // The height counts the colour image and the mask together.
    out << quint32(kBitmapHeaderSize) << qint32(size) << qint32(2 * size) << quint16(1)
        << quint16(entry.bitsPerPixel) << quint32(0) << quint32((colourRow + maskRow) * size)
        << qint32(0) << qint32(0) << quint32(0) << quint32(0);

    const bool opaqueOnly = entry.bitsPerPixel == 24;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        auto *dst = reinterpret_cast<uchar *>(row.data());
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = src[x];
            const bool hidden = opaqueOnly && maskedOut(pixel);
            *dst++ = hidden ? 0 : qBlue(pixel);
            *dst++ = hidden ? 0 : qGreen(pixel);
            *dst++ = hidden ? 0 : qRed(pixel);
            if (!opaqueOnly)
                *dst++ = qAlpha(pixel);
        }
        out.writeRawData(row.constData(), row.size());
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            if (maskedOut(src[x]))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(row.constData(), row.size());
    }
    return bytes;
}

QByteArray directoryFile(quint16 type, const std::vector<IconImage> &images)
{
    std::vector<QByteArray> bitmaps;
    for (const IconImage &entry : images) {
        const QSize size = entry.image.size();
        if (size.width() != size.height() || size.width() < 1 || size.width() > 256
            || (entry.bitsPerPixel != 24 && entry.bitsPerPixel != 32))
            throw std::invalid_argument("icon images must be square, 1 to 256 pixels, 24 or 32 bits");
        bitmaps.push_back(bitmap(entry));
    }

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << type << quint16(images.size());
    quint32 offset = kDirectorySize + kEntrySize * quint32(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage &entry = images[i];
        // A size byte of 0 stands for 256.
        const auto side = quint8(entry.image.width() & 0xff);
        out << side << side << quint8(0) << quint8(0);
        if (type == kCursorType)
            out << quint16(entry.hotSpot.x()) << quint16(entry.hotSpot.y());
        else
            out << quint16(1) << quint16(entry.bitsPerPixel);
        out << quint32(bitmaps[i].size()) << offset;
        offset += bitmaps[i].size();
    }
    for (const QByteArray &data : bitmaps)
        out.writeRawData(data.constData(), data.size());
    return bytes;
}

} // namespace

QByteArray iconFile(const std::vector<IconImage> &images) { return directoryFile(kIconType, images); }

QByteArray cursorFile(const std::vector<IconImage> &images) { return directoryFile(kCursorType, images); }

} // namespace assets
