#include "SoundBench.h"

#include "ProgramFolderCopy.h"
#include "Samples.h"

#include "outside/linux/LazySoundPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace bench {

namespace {

constexpr int kLaterSounds = 10;

// Lets the player run for a while, as the player of the game would between drops.
void playOn(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

void benchSoundStart()
{
    const ProgramFolderCopy folder;
    outside::LazySoundPlayer player(folder.path());
    QElapsedTimer timer;
    auto start = [&](const char *sound) {
        timer.start();
        player.setUrl(folder.file(QStringLiteral("sounds/%1.wma").arg(QLatin1String(sound))));
        return double(timer.nsecsElapsed()) / 1e6;
    };
    timer.start();
    player.prepare();
    const double preparing = double(timer.nsecsElapsed()) / 1e6;
    playOn(500);
    Samples later;
    for (int i = 0; i < kLaterSounds; ++i) {
        later.add(start(i % 2 ? "wrong" : "correct"));
        playOn(300);
    }
    std::printf("Sound start on the window's thread (the real player; a drop adds it to its time)\n");
    std::printf("  the player's own start %7.1f ms (after the first frame)   each sound %5.1f ms (median of %d)%s\n",
                preparing, later.median(), kLaterSounds, player.loaded() ? "" : "   no sound module: nothing plays");
    std::fflush(stdout);
}

} // namespace bench
