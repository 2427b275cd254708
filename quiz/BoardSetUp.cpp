#include "quiz/BoardSetUp.h"

#include "quiz/CountryListFile.h"
#include "quiz/ListRows.h"
#include "quiz/NewGame.h"

namespace quiz {

namespace {

// A faulty line (a blank one, one past the last list entry, or one of a teacher's
// list that fills no row) costs two reports.
// Twelve reports show every fault of a hand-edited list with up to six faulty lines;
// past that one report says so, and later faulty lines fail silently, so a wrong or
// damaged file cannot bury the player under boxes. Good lines still fill their entries.
constexpr int kReadingReportBudget = 12;

// In another language than English each name read is judged by its row's English
// name, whatever the line holds, and keeps the teacher's spelling.
void fillEntry(Board &board, int row, const CommaFields &fields)
{
    ListEntry &entry = board.labels(row);
    entry.caption = fields.first();
    if (!board.language().isEnglish())
        entry.englishName = board.definition().countryNames.value(row);
}

void readCountryList(Quiz &quiz, shell::ErrorTrap &trap)
{
    Board &board = quiz.board;
    const BoardLanguage &language = board.language();
    const QString listFile = language.countryListFile();
    CountryListFile file;
    trap.run(132, [&] { file.open(quiz.folder.file(listFile)); });
    const ListRows rows = language.isEnglish() ? ListRows(board.countryCount())
                                               : ListRows(file, board.definition().builtInNames(language), listFile);
    int i = 0;
    trap.run(134, [&] { i = 0; });
    trap.setReportBudget(kReadingReportBudget,
                         QStringLiteral("Too many faulty lines in %1: the rest of them are not reported").arg(listFile));
    while (trap.test(136, [&] { return !file.atEnd(); })) {
        QString line;
        QString wholeLine;
        CommaFields fields;
        trap.run(138, [&] { line = file.readLine(); });
        trap.run(140, [&] { wholeLine = line; });
        trap.run(142, [&] { fields = CommaFields(line); });
        trap.run(144, [&] {
            fillEntry(board, rows.rowOf(i), fields);
        });
        if (trap.test(146, [&] { return fields.count() >= 2; }))
            trap.run(148, [&] { board.labels(rows.rowOf(i)).tag = wholeLine; });
        else
            trap.run(150, [&] { board.labels(rows.rowOf(i)).tag = fields.first(); });
        trap.run(152, [&] { ++i; });
        // Past the last line that fills a row every line only fails, and silently once
        // the reports are spent: the rest of the file can change nothing, so it is left unread.
        if (i > rows.lastFillingLine() && trap.budgetExhausted())
            break;
    }
    trap.clearReportBudget();
    // Names lost past the cut are told of once, whatever faulty lines came before.
    if (file.wasCut()) {
        trap.run(136, [&] {
            throw shell::Failure(QStringLiteral("%1 is larger than %2 bytes: the rest of it was ignored")
                                   .arg(listFile).arg(CountryListFile::kMaxBytes));
        });
    }
}

// Where no country list of the language lies beside the program, or the board reads
// none, its built-in names fill the list.
void fillBuiltInNames(Board &board)
{
    const QStringList names = board.definition().builtInNames(board.language());
    for (int k = 0; k < board.countryCount() && k < names.size(); ++k) {
        fillEntry(board, k, CommaFields(names[k]));
        board.labels(k).tag = names[k];
    }
}

void layDropTargets(Board &board, shell::ErrorTrap &trap)
{
    for (int j = 0; j < board.areaCount(); ++j) {
        if (trap.test(156, [&] { return j > 0; }))
            trap.run(158, [&] { board.loadDropTarget(j); });
        trap.run(160, [&] { board.shape(j).visible = false; });
        trap.run(162, [&] { board.piccoor(j).rect.left = board.shape(j).rect.left; });
        trap.run(164, [&] { board.piccoor(j).rect.top = board.shape(j).rect.top; });
        trap.run(166, [&] { board.piccoor(j).rect.width = board.shape(j).rect.width; });
        trap.run(168, [&] { board.piccoor(j).rect.height = board.shape(j).rect.height; });
        trap.run(170, [&] { board.piccoor(j).tag = board.shape(j).tag; });
        // Line 172 puts the target in manual drag mode; here only list entries ever start a drag.
        trap.run(174, [&] { board.piccoor(j).visible = true; });
        trap.run(176, [&] { board.bringToFront(j); });
    }
}

} // namespace

void setUpBoard(Quiz &quiz, shell::ErrorTrap &trap)
{
    trap.run(130, [&] { quiz.board.setPlacedCount(0); });
    const BoardLanguage &language = quiz.board.language();
    const bool listBeside = language.isEnglish() || shell::FileExists(quiz.folder.file(language.countryListFile()));
    if (quiz.board.definition().readsCountryLists && listBeside)
        readCountryList(quiz, trap);
    else
        fillBuiltInNames(quiz.board);
    quiz.board.orderList(quiz.collation);
    layDropTargets(quiz.board, trap);
    trap.run(178, [&] { cmdNewGame_Click(quiz.board, quiz.boxes); });
}

} // namespace quiz
