#include "app/startup/BoardChoice.h"

#include "app/startup/ClassroomChoice.h"
#include "quiz/TodayBoard.h"
#include "shell/Failure.h"

#include <QImage>
#include <QtGlobal>

namespace app {

std::shared_ptr<const quiz::BoardDefinition> chooseBoard(const QStringList &arguments)
{
    for (const QString &teachers : classroomChoices(arguments, QStringLiteral("board"), "QUILLMERE_BOARD")) {
        if (teachers.compare(u"today", Qt::CaseInsensitive) == 0) {
            try {
                return loadTodayBoard();
            } catch (const shell::Failure &failure) {
                // Only a damaged program lacks its own tables: it still plays the designed board.
                qWarning("The board of Africa today cannot be loaded: %s", qPrintable(failure.description()));
                break;
            }
        }
        if (!teachers.isEmpty())
            break;
    }
    return quiz::BoardDefinition::tables();
}

std::shared_ptr<const quiz::BoardDefinition> loadTodayBoard()
{
    const QImage picture = QImage(QStringLiteral(":/boards/today/country-index.png"))
                               .convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    pixels.reserve(qsizetype(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(picture.constScanLine(y)), picture.width());
    return quiz::todayBoard(quiz::CountryIndex(std::move(pixels), picture.width(), picture.height()));
}

} // namespace app
