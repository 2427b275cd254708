#include "app/startup/BoardChoice.h"

#include "app/startup/ClassroomChoice.h"
#include "quiz/BoardRegistry.h"
#include "shell/Failure.h"

#include <algorithm>

#include <QImage>
#include <QtGlobal>

namespace app {

namespace {

std::optional<quiz::CountryIndex> readIndex(QStringView resource)
{
    if (resource.isEmpty())
        return std::nullopt;
    const QImage picture = QImage(resource.toString()).convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    pixels.reserve(qsizetype(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(picture.constScanLine(y)), picture.width());
    return quiz::CountryIndex(std::move(pixels), picture.width(), picture.height());
}

} // namespace

std::shared_ptr<const quiz::BoardDefinition> chooseBoard(const QStringList &arguments)
{
    const QStringList choices = classroomChoices(arguments, QStringLiteral("board"), "QUILLMERE_BOARD");
    const auto chosen = std::find_if(choices.begin(), choices.end(), [](const QString &c) { return !c.isEmpty(); });
    if (chosen != choices.end() && quiz::registeredBoard(*chosen)) {
        try {
            return loadBoard(*chosen);
        } catch (const shell::Failure &failure) {
            // Only a damaged program lacks a board's own tables: it still plays the first board.
            qWarning("The board %s cannot be loaded: %s", qPrintable(*chosen), qPrintable(failure.description()));
        }
    }
    return loadBoard(quiz::registeredBoards().front().name);
}

std::shared_ptr<const quiz::BoardDefinition> loadBoard(QStringView name)
{
    const quiz::RegisteredBoard *board = quiz::registeredBoard(name);
    if (!board)
        throw shell::Failure(QStringLiteral("No board is called %1").arg(name));
    return board->make(readIndex(board->indexPicture));
}

} // namespace app
