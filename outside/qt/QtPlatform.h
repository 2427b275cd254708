// The parts of the real outside world that Qt gives every platform: its message
// boxes, the desktop's web opener and the clock.
#pragma once

#include "shell/Clock.h"
#include "shell/MessageBox.h"
#include "shell/WebOpener.h"

namespace outside {

// Message box text as a reader expects it on screen: CR LF and a lone CR both
// break the line.
QString boxTextForDisplay(const QString &text);

class QtMessageBox : public shell::MessageBox
{
public:
    void show(const shell::BoxRequest &request) override;
};

class DesktopWebOpener : public shell::WebOpener
{
public:
    void open(const QUrl &address) override;
};

class SystemClock : public shell::Clock
{
public:
    float secondsSinceMidnight() const override;
};

} // namespace outside
