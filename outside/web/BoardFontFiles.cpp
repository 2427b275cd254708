#include "outside/web/BoardFontFiles.h"

#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFontDatabase>

namespace outside {

void registerBoardFonts()
{
    const QDir fonts(shell::ProgramFolder::ofExecutable().file(u"fonts"));
    for (const QString &face : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(face));
}

} // namespace outside
