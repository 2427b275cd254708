#pragma once

#include <QImage>

namespace assets {

enum class IconTile {
    Rounded,
    // Filling every pixel: for the 24-bit image of the icon file, whose
    // transparency mask Qt ignores.
    Square,
};

// The program's icon at the given size in pixels: Africa on a sea-blue tile with
// a push-pin stuck into it, a map quiz at a glance.
QImage appIcon(int size, IconTile tile = IconTile::Rounded);

} // namespace assets
