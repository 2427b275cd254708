#include "XvfbDisplay.h"

#include <QDeadlineTimer>

namespace xtest {

XvfbDisplay::XvfbDisplay()
{
    // -displayfd picks a free display and writes its number once the server is ready;
    // -noreset keeps the server as it is between one short-lived client and the next.
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                            QStringLiteral("-screen"), QStringLiteral("0"),
                                            QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"),
                                            QStringLiteral("96"), QStringLiteral("-nolisten"),
                                            QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server.waitForStarted(10000)) {
        m_failure = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return;
    }
    const QDeadlineTimer deadline(20000);
    while (!m_server.canReadLine() && !deadline.hasExpired() && m_server.state() == QProcess::Running)
        m_server.waitForReadyRead(int(deadline.remainingTime()));
    const QByteArray number = m_server.readLine().trimmed();
    if (number.isEmpty()) {
        m_failure = QStringLiteral("Xvfb never reported a display number");
        return;
    }
    m_name = QLatin1Char(':') + QString::fromLatin1(number);
}

QProcessEnvironment XvfbDisplay::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_name);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char *variable : {"WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"})
        environment.remove(QString::fromLatin1(variable));
    return environment;
}

} // namespace xtest
