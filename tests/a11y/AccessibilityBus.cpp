#include "AccessibilityBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QTest>

namespace xtest {

namespace {

constexpr int kStartTimeoutMs = 15000;
const QString kLauncherName = QStringLiteral("org.a11y.Bus");
const QString kRegistryName = QStringLiteral("org.a11y.atspi.Registry");

// Waits until `name` has an owner on the bus at `address`.
bool waitForName(const QString &address, const QString &name)
{
    const QString connectionName = QStringLiteral("quillmere-test-") + name;
    bool owned = false;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(address, connectionName);
        owned = bus.isConnected()
            && QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(name).value(); }, kStartTimeoutMs);
    }
    QDBusConnection::disconnectFromBus(connectionName);
    return owned;
}

} // namespace

AccessibilityBus::AccessibilityBus()
{
    if (!m_runtimeDir.isValid())
        m_failure = QStringLiteral("no temporary folder for the launcher");
    else if (startSessionBus() && startLauncher())
        startRegistry();
}

bool AccessibilityBus::startSessionBus()
{
    m_sessionBus.setStandardErrorFile(QProcess::nullDevice());
    m_sessionBus.start(QStringLiteral(QUILLMERE_DBUS_DAEMON),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    // It prints its address once it takes connections.
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_sessionBus.canReadLine() && !deadline.hasExpired() && m_sessionBus.state() != QProcess::NotRunning)
        m_sessionBus.waitForReadyRead(int(deadline.remainingTime()));
    m_sessionAddress = QString::fromUtf8(m_sessionBus.readLine().trimmed());
    if (m_sessionAddress.isEmpty())
        m_failure = QStringLiteral("the session bus never gave its address: ") + m_sessionBus.errorString();
    return isRunning();
}

bool AccessibilityBus::startLauncher()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionAddress);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    m_launcher.setProcessEnvironment(environment);
    m_launcher.setStandardErrorFile(QProcess::nullDevice());
    // Toolkit accessibility and the screen reader off, as on a desktop where the
    // screen reader starts after the program: nothing in the settings turns the
    // program's accessibility on.
    m_launcher.start(QStringLiteral(QUILLMERE_ATSPI_BUS_LAUNCHER),
                     {QStringLiteral("--launch-immediately"), QStringLiteral("--a11y=0"), QStringLiteral("--screen-reader=0")});
    if (!waitForName(m_sessionAddress, kLauncherName)) {
        m_failure = QStringLiteral("the AT-SPI bus launcher never took its name on the session bus");
        return false;
    }
    const QString connectionName = QStringLiteral("quillmere-test-address");
    {
        const QDBusConnection session = QDBusConnection::connectToBus(m_sessionAddress, connectionName);
        const QDBusReply<QString> address = session.call(QDBusMessage::createMethodCall(
            kLauncherName, QStringLiteral("/org/a11y/bus"), kLauncherName, QStringLiteral("GetAddress")));
        m_accessibilityAddress = address.value();
    }
    QDBusConnection::disconnectFromBus(connectionName);
    if (m_accessibilityAddress.isEmpty())
        m_failure = QStringLiteral("the launcher gave no accessibility bus");
    return isRunning();
}

bool AccessibilityBus::startRegistry()
{
    // Started here rather than by the bus on first use, so that it is the test's to end.
    // Nothing asks for it before it has its name: the program starts later.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("AT_SPI_BUS_ADDRESS"), m_accessibilityAddress);
    m_registry.setProcessEnvironment(environment);
    m_registry.setProcessChannelMode(QProcess::MergedChannels);
    m_registry.setStandardOutputFile(QProcess::nullDevice());
    m_registry.start(QStringLiteral(QUILLMERE_ATSPI_REGISTRYD), {});
    if (!waitForName(m_accessibilityAddress, kRegistryName))
        m_failure = QStringLiteral("the accessibility registry never took its name");
    return isRunning();
}

QStringList AccessibilityBus::programSettings() const
{
    // An accessibility bus address in the developer's own environment would lead the
    // program to that bus, whatever the setting on this one.
    return {QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + m_sessionAddress, QStringLiteral("AT_SPI_BUS_ADDRESS=")};
}

} // namespace xtest
