#pragma once

#include <QImage>

namespace assets {

// The side panel's background: an 11 x 154 band that the window stretches to
// 419 x 721 pixels behind white text. A thin light edge at the top, a medium blue
// body and a darker blue band behind the buttons at the bottom.
QImage panelBand();

} // namespace assets
