// A PulseAudio sound server of the caller's own: a private daemon whose only sink
// is a null sink, reached through a socket in a temporary folder, so nothing of the
// machine's own sound (if it has any) is touched. Its monitor source carries
// whatever the sink plays. Runs as root and as an ordinary user alike.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace testing {

class SoundServer
{
public:
    // Returns once the server takes connections, or has failed to start.
    SoundServer();
    ~SoundServer();

    bool isRunning() const { return m_running; }
    QString failure() const { return m_failure; }

    // Ends the server, as when the sound server of a desktop goes away.
    void stop();
    // Starts it again on the same socket; true once it takes connections.
    bool start();

    // The server's address, as PULSE_SERVER and the tools' --server take it.
    QString address() const;
    // The source that records what the null sink plays.
    static constexpr const char *kMonitor = "quillmere.monitor";
    static constexpr int kRate = 48000;

    // The environment settings that lead a client here and nowhere else. The cookie
    // is the server's own, so a client does not make one in its home folder.
    QStringList clientSettings() const;
    // The same settings for this process's own clients.
    void applyToThisProcess() const;

private:
    bool answers() const;

    QTemporaryDir m_dir;
    QProcess m_daemon;
    bool m_running = false;
    QString m_failure;
};

} // namespace testing
