// The board's two faces, Arial and Arial Narrow. Where they are not installed, the
// metric-compatible Liberation faces stand in, so that names measure and wrap as
// designed: fontconfig maps them by itself, Qt's own font database (Qt on Windows
// without a window system, say) only when told.
#pragma once

#include <QFont>
#include <QStringView>

namespace app {

inline constexpr QStringView kArial = u"Arial";
inline constexpr QStringView kArialNarrow = u"Arial Narrow";

QFont boardFont(QStringView family, int pixels, bool bold = false);

} // namespace app
