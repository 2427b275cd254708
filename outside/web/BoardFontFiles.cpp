#include "outside/web/BoardFontFiles.h"

#include <QDir>
#include <QFontDatabase>

namespace outside {

void registerBoardFonts()
{
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString &face : fonts.entryList({QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(fonts.filePath(face));
}

} // namespace outside
