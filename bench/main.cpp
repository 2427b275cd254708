// Quillmere's benchmarks. Each figure is the median of repeated runs.
//
//   quillmere-bench [start-up runs]    (default 15)
//   quillmere-bench sound              the sound figures only
#include "BoardPaintBench.h"
#include "DropToSoundBench.h"
#include "SoundBench.h"
#include "StartUpBench.h"
#include "WindowEventBench.h"
#include "XvfbServer.h"

#include "SoundServer.h"

#include "app/startup/ApplicationSetUp.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    const bool soundOnly = argc > 1 && std::strcmp(argv[1], "sound") == 0;
    const int runs = argc > 1 && !soundOnly ? std::max(1, std::atoi(argv[1])) : 15;

    if (!soundOnly) {
        // No start opens the home page, which would stand between the start and its frame.
        const QString shutHomePage = QStringLiteral("QUILLMERE_HOME_PAGE_DRAW=1");
        bench::benchStartUp(QStringLiteral("Qt's offscreen platform"),
                            {QStringLiteral("QT_QPA_PLATFORM=offscreen"), shutHomePage}, runs, true);
        const bench::XvfbServer server;
        if (server.display().isEmpty())
            std::printf("Start-up under Xvfb: skipped, Xvfb did not start\n");
        else
            bench::benchStartUp(QStringLiteral("Xvfb"),
                                {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY=") + server.display(),
                                 shutHomePage},
                                runs, false);
    }

    // The rest runs in this process, on the platform the window tests use.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::setUpApplication();
    if (!soundOnly) {
        bench::benchBoardPaint();
        bench::benchWindowEvents();
    }
    // The tests' helpers that the drop-to-sound figures use copy the program from here.
    if (qEnvironmentVariableIsEmpty("QUILLMERE_PROGRAM_DIR"))
        qputenv("QUILLMERE_PROGRAM_DIR", QUILLMERE_PROGRAM_DIR);
    // A sound server of the benchmark's own, which this process plays to as well.
    testing::SoundServer sound;
    sound.applyToThisProcess();
    bench::benchDropToSound(sound);
    bench::benchSoundStart(sound);
    return 0;
}
