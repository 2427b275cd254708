#pragma once

#include <QPainterPath>

namespace assets {

// Africa and Madagascar as a filled outline, fitted into the unit square
// (0..1 both ways, north up) and centred in it.
QPainterPath africaOutline();

} // namespace assets
