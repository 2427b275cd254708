#include "XvfbServer.h"

namespace bench {

XvfbServer::XvfbServer()
{
    // -displayfd 1: the server picks a free display and writes its number to our pipe.
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                            QStringLiteral("-screen"), QStringLiteral("0"),
                                            QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                            QStringLiteral("tcp")});
    if (!m_server.waitForStarted())
        return;
    while (!m_server.canReadLine() && m_server.waitForReadyRead(10000)) {
    }
    const QByteArray number = m_server.readLine().trimmed();
    if (!number.isEmpty())
        m_display = u':' + QString::fromLatin1(number);
}

XvfbServer::~XvfbServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    m_server.waitForFinished();
}

} // namespace bench
