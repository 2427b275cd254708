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
    Samples milliseconds;
    Samples megabytes;
    int failures = 0;
    std::string lastFailure;

    void run(const QStringList &settings)
    {
        try {
            const FirstFrame frame = runToFirstFrame(path, settings);
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
    Program quillmere{folder.file(QStringLiteral("quillmere")), {}, {}, 0, {}};
    Program bare{QStringLiteral(QUILLMERE_BARE_WINDOW), {}, {}, 0, {}};
    for (int i = 0; i < kWarmUpRuns; ++i) {
        Program(quillmere).run(settings);
        Program(bare).run(settings);
    }
    // Taking turns spreads any change in the machine's load over both.
    for (int i = 0; i < runs; ++i) {
        quillmere.run(settings);
        bare.run(settings);
    }
    std::printf("Start-up, %s (median of %d runs each)\n", qPrintable(platformName), runs);
    quillmere.reportFailures();
    bare.reportFailures();
    if (quillmere.milliseconds.empty() || bare.milliseconds.empty())
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
    if (countInstructions) {
        const auto count = instructionsToFirstFrame(quillmere.path, settings);
        const auto bareCount = instructionsToFirstFrame(bare.path, settings);
        if (count && bareCount)
            std::printf("  instructions        Quillmere %7.1f M    bare window %7.1f M    ratio %.2f"
                        " (callgrind, all threads, one run)\n",
                        *count / 1e6, *bareCount / 1e6, *count / *bareCount);
    }
    std::fflush(stdout);
}

} // namespace bench
