// The real outside world on Windows: Qt's message boxes and clock, the file
// explorer for the home page, and sounds decoded by Media Foundation and played
// through the wave-out device, and results said through UI Automation.
#pragma once

#include "outside/qt/QtPlatform.h"
#include "outside/windows/ExplorerWebOpener.h"
#include "outside/windows/UiaAnnouncer.h"
#include "outside/windows/WindowsSoundPlayer.h"
#include "shell/Platform.h"
#include "shell/ProgramFolder.h"

namespace outside {

class WindowsPlatform
{
public:
    shell::Platform platform() { return {m_boxes, m_sound, m_web, m_clock, m_announcer, m_collation}; }
    // The window whose provider says the results.
    void announceIn(QWidget &window) { m_announcer.attach(window); }
    // Decodes the sounds of the game, so that its first drop does not wait for them.
    void prepareSound() { m_sound.prepare(shell::ProgramFolder::ofExecutable().sounds()); }

private:
    QtMessageBox m_boxes;
    WindowsSoundPlayer m_sound;
    ExplorerWebOpener m_web;
    SystemClock m_clock;
    shell::QtCollation m_collation;
    UiaAnnouncer m_announcer;
};

} // namespace outside
