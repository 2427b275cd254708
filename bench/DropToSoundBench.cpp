#include "DropToSoundBench.h"

#include "Samples.h"
#include "XTestPointer.h"

#include "BoardOnScreen.h"
#include "MonitorRecording.h"
#include "ProgramOnX.h"
#include "SoundServer.h"

#include "quiz/BoardTables.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <optional>

namespace bench {

namespace {

using testing::MonitorRecording;

constexpr int kTimedPairs = 10;
constexpr int kBaselineRuns = 10;
// Longer than the right and the wrong sound, so that each drop starts in silence.
constexpr int kBetweenDropsMs = 1000;
// A sound heard later than this after its drop counts as not heard.
constexpr qint64 kHearingWindowNs = 800'000'000;

struct Onsets {
    Samples milliseconds;
    double worst = 0;
    int heard = 0;
    int tried = 0;

    void add(const MonitorRecording &ears, qint64 at)
    {
        ++tried;
        if (const std::optional<qint64> onset = ears.firstAudible(at, at + kHearingWindowNs)) {
            const double ms = double(*onset - at) / 1e6;
            milliseconds.add(ms);
            worst = std::max(worst, ms);
            ++heard;
        }
    }

    void print(const char *what) const
    {
        if (milliseconds.empty())
            std::printf("  %-34s nothing heard in %d tries\n", what, tried);
        else
            std::printf("  %-34s median %6.1f ms   worst %6.1f ms   heard %d of %d\n", what,
                        milliseconds.median(), worst, heard, tried);
    }
};

// A sound for paplay: 300 ms of 880 Hz at the game's level, rising over 5 ms as the
// game's sounds do, in a WAV file.
QByteArray toneWav(int rate)
{
    const int frames = rate * 3 / 10;
    QByteArray pcm(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const double rise = std::min(1.0, i / (0.005 * rate));
        qToLittleEndian(qint16(std::lround(0.25 * 32767 * rise * std::sin(2 * M_PI * 880 * i / rate))), pcm.data() + 2 * i);
    }
    auto u32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    auto u16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    return "RIFF" + u32(36 + quint32(pcm.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(quint32(rate))
        + u32(quint32(rate) * 2) + u16(2) + u16(16) + "data" + u32(quint32(pcm.size())) + pcm;
}

void paplayBaseline(const testing::SoundServer &server, const MonitorRecording &ears, Onsets &onsets)
{
    QTemporaryDir dir;
    QFile wav(dir.filePath(QStringLiteral("tone.wav")));
    if (!wav.open(QIODevice::WriteOnly) || wav.write(toneWav(testing::SoundServer::kRate)) <= 0)
        return;
    wav.close();
    for (int i = 0; i < kBaselineRuns; ++i) {
        QProcess paplay;
        const qint64 spawned = MonitorRecording::now();
        paplay.start(QStringLiteral("paplay"), {QStringLiteral("--server=") + server.address(), wav.fileName()});
        paplay.waitForFinished(5000);
        QThread::msleep(300);
        onsets.add(ears, spawned);
    }
}

class Player
{
public:
    Player(XTestPointer &pointer, QPoint windowAt) : m_pointer(pointer), m_windowAt(windowAt) {}

    // A drag as a player makes it, with pauses that let the program follow the
    // pointer; returns the moment of the release.
    qint64 drop(int name, int country)
    {
        const QPoint from = m_windowAt + xtest::onListEntry(name);
        const QPoint to = m_windowAt + xtest::onHotspotOf(country);
        m_pointer.moveTo(from);
        QThread::msleep(30);
        m_pointer.press();
        QThread::msleep(30);
        m_pointer.moveTo((from + to) / 2);
        QThread::msleep(30);
        m_pointer.moveTo(to);
        QThread::msleep(60);
        return m_pointer.release();
    }

private:
    XTestPointer &m_pointer;
    QPoint m_windowAt;
};

// What the server says it keeps queued of the stream that plays now, before a
// sound card would sound it: the stream's buffer and the sink's own latency. The
// monitor hears a sound when the server mixes it; a sound card sounds it this much
// later.
QString serverLatencies(const testing::SoundServer &server)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("--server=") + server.address(), QStringLiteral("list"),
                                          QStringLiteral("sink-inputs")});
    pactl.waitForFinished(5000);
    const QString report = QString::fromUtf8(pactl.readAllStandardOutput());
    static const QRegularExpression latency(QStringLiteral("(Buffer|Sink) Latency: (\\d+) usec"));
    QStringList figures;
    for (auto it = latency.globalMatch(report); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        figures << QStringLiteral("%1 %2 ms").arg(match.captured(1).toLower()).arg(match.captured(2).toDouble() / 1000, 0, 'f', 1);
    }
    return figures.isEmpty() ? QStringLiteral("no stream playing") : figures.join(QStringLiteral(", "));
}

double peakMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    return 0;
}

} // namespace

void benchDropToSound(const testing::SoundServer &server)
{
    std::printf("Drop to sound: the real program on Xvfb, playing to a PulseAudio null sink of its own,\n"
                "from the mouse release to the first sample above 1 %% of full scale on the sink's monitor\n");
    xtest::ProgramOnX x;
    if (!x.display.isRunning() || !server.isRunning()) {
        std::printf("  skipped: %s\n", qPrintable(x.display.isRunning() ? server.failure() : x.display.failure()));
        return;
    }
    MonitorRecording ears(server.address(), QString::fromLatin1(testing::SoundServer::kMonitor),
                          testing::SoundServer::kRate);
    XTestPointer pointer(x.display.name());
    if (!ears.isRecording() || !pointer.isConnected()) {
        std::printf("  skipped: parec or the XTEST pointer did not start\n");
        return;
    }
    Onsets paplay;
    paplayBaseline(server, ears, paplay);

    x.program.start(x.desktop, server.clientSettings());
    const std::optional<xtest::XWindow> window = x.program.waitForMainWindow(x.desktop);
    if (!window) {
        std::printf("  skipped: the program's window never showed\n");
        return;
    }
    // Time for what the program starts once its first frame is up.
    QThread::msleep(1500);
    Player player(pointer, window->geometry.topLeft());
    Onsets drops;
    for (int i = 0; i < kTimedPairs; ++i) {
        const int wrongName = quiz::kCountryCount - 1 - i;
        for (const auto &[name, country] : {std::pair{i, i}, std::pair{wrongName, i}}) {
            const qint64 released = player.drop(name, country);
            QThread::msleep(kBetweenDropsMs);
            drops.add(ears, released);
        }
    }
    // One more right drop, and what the server adds while its sound plays.
    player.drop(kTimedPairs, kTimedPairs);
    QThread::msleep(350);
    const QString queued = serverLatencies(server);
    QThread::msleep(kBetweenDropsMs);
    // The rest of the game, to its completion box, for the memory it takes.
    for (int k = kTimedPairs + 1; k < quiz::kCountryCount; ++k) {
        player.drop(k, k);
        QThread::msleep(150);
    }
    QThread::msleep(3000);
    drops.print("10 right and 10 wrong drops");
    paplay.print("paplay of a WAV, from its spawning");
    std::printf("  queued by the server for a sound card, 350 ms into a right drop's sound: %s\n", qPrintable(queued));
    std::printf("  peak memory of the whole game (48 right, 10 wrong drops, the completion box): %.1f MB\n",
                peakMegabytes(x.program.pid()));
    std::fflush(stdout);
}

} // namespace bench
