#include "SoundBench.h"

#include "ProgramFolderCopy.h"
#include "Samples.h"

#include "SoundServer.h"

#include "outside/linux/LazySoundPlayer.h"
#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace bench {

namespace {

constexpr int kSounds = 20;

// Lets the player run for a while, as the player of the game would between drops.
void playOn(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct SoundTimes {
    Samples milliseconds;
    double worst = 0;

    void print(const char *when) const
    {
        std::printf("  each sound, %-28s median %6.3f ms   worst %6.3f ms (of %d)\n", when, milliseconds.median(),
                    worst, kSounds);
    }
};

} // namespace

void benchSoundStart(testing::SoundServer &server)
{
    const ProgramFolderCopy folder;
    outside::LazySoundPlayer player(folder.path());
    QElapsedTimer timer;
    auto play = [&](SoundTimes &times) {
        for (int i = 0; i < kSounds; ++i) {
            const QString sound = folder.file(QStringLiteral("sounds/%1.wma").arg(QLatin1String(i % 2 ? "wrong" : "correct")));
            timer.start();
            player.setUrl(sound);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            times.milliseconds.add(ms);
            times.worst = std::max(times.worst, ms);
            playOn(300);
        }
    };
    timer.start();
    player.prepare(shell::ProgramFolder(folder.path()).sounds());
    const double preparing = double(timer.nsecsElapsed()) / 1e6;
    const bool loaded = player.loaded();
    const double loading = double(timer.nsecsElapsed()) / 1e6;
    playOn(500);
    SoundTimes served;
    play(served);
    server.stop();
    playOn(500);
    SoundTimes gone;
    play(gone);
    std::printf("Sound on the window's thread (the real player; a drop adds it to its time)\n");
    std::printf("  the player's own start %7.3f ms (after the first frame; then %.1f ms on a thread of its own"
                " to load the module)%s\n",
                preparing, loading - preparing, loaded ? "" : "   no sound module: nothing plays");
    served.print("with a sound server");
    gone.print("the server gone");
    std::fflush(stdout);
}

} // namespace bench
