#include "quiz/DropRules.h"

#include "quiz/CountryListFile.h"
#include "quiz/NewGame.h"
#include "shell/ErrorTrap.h"

#include <QCoreApplication>

namespace quiz {

namespace {

void play(Quiz &quiz, QStringView sound)
{
    quiz.wmp1.setUrl(quiz.folder.file(sound));
}

// What a drop of the entry is judged by: its tag, or in another language than
// English its row's English name.
const QString &judgedTag(const ListEntry &entry)
{
    return entry.englishName.isEmpty() ? entry.tag : entry.englishName;
}

// A right drop's steps on the board: the name leaves the list for its slot, with
// its leader line, and counts.
void showPlaced(Board &board, int source, shell::ErrorTrap &trap)
{
    trap.run(108, [&] { board.labels(source).visible = false; });
    CommaFields fields;
    trap.run(110, [&] { fields = CommaFields(board.labels(source).tag); });
    trap.run(112, [&] { board.maplabel(source).caption = fields.first(); });
    trap.run(114, [&] { board.maplabel(source).bold = true; });
    trap.run(116, [&] { board.maplabel(source).visible = true; });
    const std::vector<NameLeader> &leaders = board.definition().leaders;
    for (int row = 0; row < int(leaders.size()); ++row) {
        if (trap.test(118 + 4 * row, [&] { return judgedTag(board.labels(source)) == leaders[std::size_t(row)].country; }))
            trap.run(120 + 4 * row, [&] { board.setLineVisible(row + 1, true); });
    }
    trap.run(178, [&] { board.addPlaced(); });
}

} // namespace

shell::BoxRequest completedMapBox()
{
    return {QCoreApplication::translate("Board", "CONGRATULATIONS! THE MAP IS COMPLETE!"),
            QCoreApplication::applicationName(), shell::BoxRequest::Icon::None,
            QCoreApplication::translate("Board", "OK")};
}

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

void labels_DragOver(Board &board, int source)
{
    board.labels(source).hasDragIcon = true;
}

void labels_DragDrop(Board &board, int source)
{
    board.labels(source).visible = true;
}

DropOutcome piccoor_DragDrop(Quiz &quiz, int index, int source)
{
    Board &board = quiz.board;
    shell::ErrorTrap trap(quiz.boxes, QStringLiteral("Form1.piccoor_DragDrop"));
    const bool right = trap.test(106, [&] {
        return trimSpaces(board.piccoor(index).tag) == trimSpaces(judgedTag(board.labels(source)));
    });
    if (!right) {
        trap.run(190, [&] { board.labels(source).visible = true; });
        trap.run(192, [&] { play(quiz, shell::files::kWrongSound); });
        return DropOutcome::Wrong;
    }
    showPlaced(board, source, trap);
    trap.run(180, [&] { play(quiz, shell::files::kCorrectSound); });
    const bool complete = trap.test(182, [&] { return board.placedCount() >= board.countryCount(); });
    return complete ? DropOutcome::Completed : DropOutcome::Placed;
}

void completeMap(Quiz &quiz)
{
    shell::ErrorTrap trap(quiz.boxes, QStringLiteral("Form1.piccoor_DragDrop"));
    trap.run(184, [&] { play(quiz, shell::files::kCompleteSound); });
    trap.run(186, [&] { quiz.boxes.show(completedMapBox()); });
    trap.run(188, [&] { cmdNewGame_Click(quiz.board, quiz.boxes); });
}

void placeAgain(Quiz &quiz, const QList<int> &entries)
{
    Board &board = quiz.board;
    QList<int> listed;
    for (int k : entries) {
        // A name that no drop could place (a list line naming no country of the board) stays too.
        if (k >= 0 && k < board.listEntryCount() && board.labels(k).visible && !listed.contains(k)
            && board.definition().rowOf(trimSpaces(judgedTag(board.labels(k)))))
            listed.append(k);
    }
    if (board.placedCount() + listed.size() >= board.countryCount())
        return;
    shell::ErrorTrap trap(quiz.boxes, QStringLiteral("Form1.PlaceAgain"));
    for (int k : listed)
        showPlaced(board, k, trap);
}

} // namespace quiz
