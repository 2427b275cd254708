// Writing the map pictures as baseline JPEG through libjpeg, with full-size
// colour channels: Qt's writer always halves them, which smears each country's
// colour over its thin grey border and into small neighbours such as Gambia.
#pragma once

#include <QImage>
#include <QString>

namespace mapgen {

// 24-bit colour, no metadata beyond the plain JFIF header. Throws on failure.
void writeJpeg(const QImage& image, const QString& path, int quality);

} // namespace mapgen
