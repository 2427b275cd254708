// An X server of the benchmark's own, on the first free display number.
#pragma once

#include <QProcess>
#include <QString>

namespace bench {

class XvfbServer
{
public:
    XvfbServer();
    ~XvfbServer();

    // Empty when the server did not start.
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

} // namespace bench
