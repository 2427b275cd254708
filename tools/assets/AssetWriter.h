#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

namespace assets {

// Writes generated files under the assets folder, creating folders as needed.
// Throws std::runtime_error when a file cannot be written.
class AssetWriter
{
public:
    explicit AssetWriter(const QString &assetsFolder) : m_root(assetsFolder) {}

    void write(const QString &relativePath, const QByteArray &bytes) const;
    // Encoded without text chunks or dates, so a rerun gives the same bytes.
    void writeImage(const QString &relativePath, const QImage &image, const char *format, int quality = -1) const;

private:
    QDir m_root;
};

} // namespace assets
