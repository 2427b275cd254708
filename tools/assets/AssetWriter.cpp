#include "AssetWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <stdexcept>

namespace assets {

void AssetWriter::write(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = m_root.filePath(relativePath);
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
        || file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void AssetWriter::writeImage(const QString &relativePath, const QImage &image, const char *format,
                             int quality) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        throw std::runtime_error("cannot encode " + relativePath.toStdString() + ": "
                                 + writer.errorString().toStdString());
    write(relativePath, buffer.data());
}

} // namespace assets
