#include "quiz/NewGame.h"

#include "shell/ErrorTrap.h"

namespace quiz {

void cmdNewGame_Click(Board &board, shell::MessageBox &boxes)
{
    shell::ErrorTrap trap(boxes, QStringLiteral("Form1.cmdNewGame_Click"));
    trap.run(100, [&] { board.setPlacedCount(0); });
    for (int i = 0; i < board.countryCount(); ++i) {
        trap.run(104, [&] { board.maplabel(i).visible = false; });
        trap.run(106, [&] { board.labels(i).visible = true; });
    }
    for (int n = 1; n <= board.leaderLineCount(); ++n)
        trap.run(106 + 2 * n, [&] { board.setLineVisible(n, false); });
}

} // namespace quiz
