// The real outside world on Linux: Qt's message boxes, web opener and clock, the
// sound module, results said through AT-SPI, and a held key's repeats told apart
// on X.
#pragma once

#include "outside/linux/AtspiAnnouncer.h"
#include "outside/linux/LazySoundPlayer.h"
#include "outside/linux/XKeyRepeats.h"
#include "outside/qt/QtPlatform.h"
#include "shell/Platform.h"
#include "shell/ProgramFolder.h"

namespace outside {

class LinuxPlatform
{
public:
    shell::Platform platform() { return {m_boxes, m_sound, m_web, m_clock, m_announcer, m_collation}; }
    // The window whose accessible notification says the results.
    void announceIn(QWidget &window) { m_announcer.attach(window); }
    // Starts the sound player and has it decode the game's sounds, which the first
    // drop would otherwise wait for.
    void prepareSound() { m_sound.prepare(m_folder.sounds()); }

private:
    QtMessageBox m_boxes;
    shell::ProgramFolder m_folder = shell::ProgramFolder::ofExecutable();
    LazySoundPlayer m_sound{m_folder.path()};
    DesktopWebOpener m_web;
    SystemClock m_clock;
    shell::QtCollation m_collation;
    AtspiAnnouncer m_announcer;
    XKeyRepeats m_keyRepeats;
};

} // namespace outside
