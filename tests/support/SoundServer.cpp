#include "SoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace testing {

namespace {

constexpr int kStartTimeoutMs = 15000;

} // namespace

SoundServer::SoundServer()
{
    // Dies with its owner, so no server outlives a test that crashed.
    m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_daemon.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    m_daemon.setStandardErrorFile(m_dir.filePath(QStringLiteral("daemon.log")));
    // -n: no system-wide start-up script, only ours: the null sink, the socket and
    // nothing that looks for sound cards, D-Bus, X11 or other machines.
    QFile script(m_dir.filePath(QStringLiteral("server.pa")));
    const bool written = script.open(QIODevice::WriteOnly)
        && script.write(QStringLiteral("load-module module-null-sink sink_name=quillmere rate=%1\n"
                                       "load-module module-native-protocol-unix socket=%2 auth-anonymous=1\n"
                                       "set-default-sink quillmere\n")
                            .arg(kRate)
                            .arg(m_dir.filePath(QStringLiteral("native")))
                            .toUtf8())
            > 0;
    script.close();
    if (!written) {
        m_failure = QStringLiteral("cannot write the server's script");
        return;
    }
    start();
}

SoundServer::~SoundServer()
{
    stop();
}

QString SoundServer::address() const
{
    return QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("native"));
}

QStringList SoundServer::clientSettings() const
{
    return {QStringLiteral("PULSE_SERVER=") + address(),
            QStringLiteral("PULSE_COOKIE=") + m_dir.filePath(QStringLiteral(".config/pulse/cookie"))};
}

void SoundServer::applyToThisProcess() const
{
    for (const QString &setting : clientSettings())
        qputenv(qPrintable(setting.section(u'=', 0, 0)), setting.section(u'=', 1).toUtf8());
}

bool SoundServer::answers() const
{
    QProcess pactl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : clientSettings())
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    pactl.setProcessEnvironment(environment);
    pactl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pactl.setStandardOutputFile(QProcess::nullDevice());
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("--server=") + address(), QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

bool SoundServer::start()
{
    if (m_running)
        return true;
    // The daemon keeps its state, cookie and runtime files in the private folder:
    // it owns that folder, which it insists on, whether it runs as root or not.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER", "PULSE_COOKIE"})
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral(".config")));
    m_daemon.setProcessEnvironment(environment);
    // Kept running whether or not anybody plays, and not to be ended by a client.
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                    QStringLiteral("--log-target=stderr"), QStringLiteral("-F"),
                    m_dir.filePath(QStringLiteral("server.pa"))});
    if (!m_daemon.waitForStarted(kStartTimeoutMs)) {
        m_failure = QStringLiteral("pulseaudio did not start: ") + m_daemon.errorString();
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (m_daemon.state() == QProcess::Running && !deadline.hasExpired()) {
        if (QFile::exists(m_dir.filePath(QStringLiteral("native"))) && answers()) {
            m_running = true;
            m_failure.clear();
            return true;
        }
        QThread::msleep(20);
    }
    m_failure = QStringLiteral("pulseaudio never took connections; see ") + m_dir.filePath(QStringLiteral("daemon.log"));
    stop();
    return false;
}

void SoundServer::stop()
{
    m_running = false;
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

} // namespace testing
