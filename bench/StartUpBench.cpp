#include "StartUpBench.h"

#include "FirstFrameRun.h"
#include "InstructionCount.h"
#include "ProgramFolderCopy.h"
#include "Samples.h"

#include "quiz/BoardLayout.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace bench {

namespace {

// What the memory goal allows on top of the bare window: the two pictures as the
// window shows them at ratio 1, decoded at four bytes a pixel.
double decodedPicturesMegabytes()
{
    double pixels = 0;
    for (const quiz::TwipRect &rect : {quiz::kMapPictureRect, quiz::kPanelPictureRect}) {
        const QSize size = rect.toPixels().toAlignedRect().size();
        pixels += double(size.width()) * size.height();
    }
    return pixels * 4 / (1 << 20);
}

struct Program {
    QString path;
    // Its own settings, after the run's.
    QStringList ownSettings;
    Samples milliseconds;
    Samples megabytes;
    int failures = 0;
    std::string lastFailure;

    void run(const QStringList &settings)
    {
        try {
            const FirstFrame frame = runToFirstFrame(path, settings + ownSettings);
            milliseconds.add(frame.milliseconds);
            megabytes.add(frame.peakMegabytes);
        } catch (const std::runtime_error &failure) {
            ++failures;
            lastFailure = failure.what();
        }
    }

    void reportFailures() const
    {
        if (failures)
            std::printf("  %d run(s) left out, the last: %s\n", failures, lastFailure.c_str());
    }
};

constexpr int kWarmUpRuns = 2;

} // namespace

void benchStartUp(const QString &platformName, const QStringList &settings, int runs, bool countInstructions)
{
    const ProgramFolderCopy folder;
    Program quillmere{folder.file(QStringLiteral("quillmere")), {}, {}, {}, 0, {}};
    Program today{quillmere.path, {QStringLiteral("QUILLMERE_BOARD=today")}, {}, {}, 0, {}};
    Program bare{QStringLiteral(QUILLMERE_BARE_WINDOW), {}, {}, {}, 0, {}};
    for (int i = 0; i < kWarmUpRuns; ++i) {
        for (const Program &program : {quillmere, today, bare})
            Program(program).run(settings);
    }
    // Taking turns spreads any change in the machine's load over all three.
    for (int i = 0; i < runs; ++i) {
        quillmere.run(settings);
        today.run(settings);
        bare.run(settings);
    }
    std::printf("Start-up, %s (median of %d runs each)\n", qPrintable(platformName), runs);
    for (const Program *program : {&quillmere, &today, &bare})
        program->reportFailures();
    if (quillmere.milliseconds.empty() || today.milliseconds.empty() || bare.milliseconds.empty())
        return;
    const double time = quillmere.milliseconds.median();
    const double bareTime = bare.milliseconds.median();
    const double memory = quillmere.megabytes.median();
    const double bareMemory = bare.megabytes.median();
    const double allowance = 1.3 * bareMemory + decodedPicturesMegabytes();
    std::printf("  to the first frame  Quillmere %7.1f ms   bare window %7.1f ms   ratio %.2f (goal 1.25)\n",
                time, bareTime, time / bareTime);
    std::printf("  peak memory         Quillmere %7.1f MB   bare window %7.1f MB   ratio %.2f"
                " (goal %.1f MB: 1.3 x bare + %.1f MB of pictures)\n",
                memory, bareMemory, memory / bareMemory, allowance, decodedPicturesMegabytes());
    std::printf("  Africa today        first frame %7.1f ms, ratio %.2f to the 48-country board (goal 1.10);"
                " peak memory %.1f MB\n",
                today.milliseconds.median(), today.milliseconds.median() / time, today.megabytes.median());
    if (countInstructions) {
        const auto count = instructionsToFirstFrame(quillmere.path, settings);
        const auto bareCount = instructionsToFirstFrame(bare.path, settings);
        if (count && bareCount)
            std::printf("  instructions        Quillmere %7.1f M    bare window %7.1f M    ratio %.2f"
                        " (callgrind, all threads, one run)\n",
                        *count / 1e6, *bareCount / 1e6, *count / *bareCount);
        const auto todayCount = instructionsToFirstFrame(today.path, settings + today.ownSettings);
        if (count && todayCount)
            std::printf("  Africa today        %7.1f M instructions, ratio %.2f to the 48-country board (goal 1.10)\n",
                        *todayCount / 1e6, *todayCount / *count);
    }
    std::fflush(stdout);
}

} // namespace bench
