// An X server of the test's own: Xvfb on the first free display number, one
// 1280 x 1024 screen at 96 dpi, so the program draws one device pixel per logical
// pixel. No window manager runs: windows stay where the program puts them and get
// no frame, so a window's picture is exactly its client area.
#pragma once

#include "OwnedProcess.h"

#include <QProcessEnvironment>
#include <QString>

namespace xtest {

class XvfbDisplay
{
public:
    // Returns once the server takes connections, or has failed to start.
    XvfbDisplay();

    bool isRunning() const { return !m_name.isEmpty(); }
    QString failure() const { return m_failure; }
    // ":N", as DISPLAY takes it.
    QString name() const { return m_name; }
    // What a Qt program needs to run on this server rather than anywhere else.
    QProcessEnvironment clientEnvironment() const;

private:
    OwnedProcess m_server;
    QString m_name;
    QString m_failure;
};

} // namespace xtest
