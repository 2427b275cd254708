#include "app/startup/CursorFile.h"

#include "shell/Failure.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace app {

namespace {

constexpr quint16 kIconType = 1;
constexpr quint16 kCursorType = 2;

[[noreturn]] void notACursor(const QString &path)
{
    throw shell::Failure(QStringLiteral("Invalid picture: %1 is not a cursor file").arg(path));
}

struct CursorHeader {
    quint16 type = 0;
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
};

CursorHeader readHeader(const QString &path)
{
    QFile file(path);
    // Neither a folder nor a named pipe is a cursor, and opening a pipe would wait for a writer.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        notACursor(path);
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 0;
    quint16 count = 0;
    CursorHeader header;
    in >> reserved >> header.type >> count;
    quint8 width = 0;
    quint8 height = 0;
    quint8 colours = 0;
    quint8 entryReserved = 0;
    quint16 hotX = 0;
    quint16 hotY = 0;
    in >> width >> height >> colours >> entryReserved >> hotX >> hotY;
    if (in.status() != QDataStream::Ok || reserved != 0 || count == 0
        || (header.type != kIconType && header.type != kCursorType))
        notACursor(path);
    // A size byte of 0 stands for 256.
    header.width = width == 0 ? 256 : width;
    header.height = height == 0 ? 256 : height;
    header.hotX = header.type == kCursorType ? hotX : header.width / 2;
    header.hotY = header.type == kCursorType ? hotY : header.height / 2;
    return header;
}

} // namespace

QCursor loadCursorFile(const QString &path)
{
    const CursorHeader header = readHeader(path);
    QImageReader reader(path, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        notACursor(path);
    // Keep the hot spot where the file puts it, should the decoder pick another size.
    const int hotX = std::clamp(header.hotX * image.width() / header.width, 0, image.width() - 1);
    const int hotY = std::clamp(header.hotY * image.height() / header.height, 0, image.height() - 1);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace app
