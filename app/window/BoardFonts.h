// The board's two faces, Arial and Arial Narrow. Where they are not installed, the
// metric-compatible Liberation faces stand in, so that names measure and wrap as
// designed: fontconfig maps them by itself, Qt's own font database (Qt on Windows
// without a window system, say) only when told.
//
// Neither has Arabic or Ethiopic letters. Faces that have them follow in each font's
// families, tried in order where the board's face lacks a letter: Noto Sans Arabic
// UI (whose lines are no taller than Latin ones) and Abyssinica SIL where the
// system has them (Debian's fonts-noto-ui-core and fonts-sil-abyssinica; a web page
// fetches them), and Windows' own Segoe UI, Ebrima and Nyala.
#pragma once

#include <QFont>
#include <QStringView>

#include <optional>

namespace app {

inline constexpr QStringView kArial = u"Arial";
inline constexpr QStringView kArialNarrow = u"Arial Narrow";

QFont boardFont(QStringView family, int pixels, bool bold = false);

// The narrower face of the board's faces, for a text too wide for its box: Arial
// Narrow for Arial; none for Arial Narrow.
std::optional<QStringView> narrowerFace(QStringView family);

} // namespace app
