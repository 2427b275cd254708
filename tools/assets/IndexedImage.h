#pragma once

#include <QImage>

namespace assets {

// The picture with at most 256 colours, transparency included, as an 8-bit
// palette image. The palette is sorted, so the same drawing always gives the same
// file. When the drawing has more colours, the lowest bits of every channel are
// dropped one at a time until it fits.
QImage toIndexed256(const QImage &picture);

} // namespace assets
