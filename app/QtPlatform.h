// The real outside world: Qt's message boxes, the desktop's web opener, the clock
// and the media player.
#pragma once

#include "app/LazySoundPlayer.h"
#include "app/Platform.h"
#include "app/ProgramFolder.h"

namespace app {

// Message box text as a reader expects it on screen: CR LF and a lone CR both
// break the line.
QString boxTextForDisplay(const QString &text);

class QtMessageBox : public MessageBox
{
public:
    void show(const BoxRequest &request) override;
};

class DesktopWebOpener : public WebOpener
{
public:
    void open(const QUrl &address) override;
};

class SystemClock : public Clock
{
public:
    float secondsSinceMidnight() const override;
};

class QtPlatform
{
public:
    Platform platform() { return {m_boxes, m_sound, m_web, m_clock}; }
    // Starts the sound player, which a first sound would otherwise wait for.
    void prepareSound() { m_sound.prepare(); }

private:
    QtMessageBox m_boxes;
    LazySoundPlayer m_sound{ProgramFolder::ofExecutable().path()};
    DesktopWebOpener m_web;
    SystemClock m_clock;
};

} // namespace app
