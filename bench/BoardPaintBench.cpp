#include "BoardPaintBench.h"

#include "ProgramFolderCopy.h"
#include "QuietPlatform.h"
#include "Samples.h"

#include "app/window/BoardPainter.h"
#include "quiz/BoardSetUp.h"
#include "quiz/BoardTables.h"
#include "quiz/Quiz.h"
#include "shell/ErrorTrap.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <cstdio>

namespace bench {

namespace {

constexpr int kWarmUpPaints = 5;
constexpr int kPaints = 200;

// Every name on the map in bold, every leader line shown, the list empty.
void completeTheMap(quiz::Board &board)
{
    for (int k = 0; k < quiz::kCountryCount; ++k) {
        board.labels(k).visible = false;
        board.maplabel(k).caption = board.labels(k).caption;
        board.maplabel(k).bold = true;
        board.maplabel(k).visible = true;
    }
    for (int n = 1; n <= quiz::kLeaderLineCount; ++n)
        board.setLineVisible(n, true);
}

// The median time of one full paint, in milliseconds, into an image like the window's backing store.
double paintMilliseconds(const quiz::Board &board, qreal ratio)
{
    app::BoardPainter painter;
    const QSize size = quiz::kClientRect.toPixels().toRect().size();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    Samples samples;
    QElapsedTimer timer;
    for (int i = 0; i < kWarmUpPaints + kPaints; ++i) {
        image.fill(Qt::white);
        timer.start();
        QPainter p(&image);
        painter.paint(p, board, ratio, QRegion(QRect(QPoint(), size)));
        p.end();
        if (i >= kWarmUpPaints)
            samples.add(double(timer.nsecsElapsed()) / 1e6);
    }
    return samples.median();
}

} // namespace

void benchBoardPaint()
{
    const ProgramFolderCopy folder;
    QuietPlatform outside;
    quiz::Board board;
    quiz::Quiz quiz{board, outside.boxes, outside.sound, shell::ProgramFolder(folder.path()), outside.collation};
    shell::ErrorTrap trap(outside.boxes, QStringLiteral("Form1.Form_Load"));
    quiz::setUpBoard(quiz, trap);

    std::printf("Full paint of the board (median of %d, caches warm; goal 2 ms at ratio 1, 6 ms at ratio 2)\n",
                kPaints);
    auto report = [&](const char *state) {
        std::printf("  %-36s  ratio 1 %6.2f ms   ratio 2 %6.2f ms\n", state, paintMilliseconds(board, 1),
                    paintMilliseconds(board, 2));
    };
    report("new game, 48 names in the list");
    completeTheMap(board);
    report("map complete, 48 names and 15 lines");
    std::fflush(stdout);
}

} // namespace bench
