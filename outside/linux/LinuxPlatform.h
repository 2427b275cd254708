// The real outside world on Linux: Qt's message boxes, web opener and clock, and
// the sound module.
#pragma once

#include "outside/linux/LazySoundPlayer.h"
#include "outside/qt/QtPlatform.h"
#include "shell/Platform.h"
#include "shell/ProgramFolder.h"

namespace outside {

class LinuxPlatform
{
public:
    shell::Platform platform() { return {m_boxes, m_sound, m_web, m_clock}; }
    // Starts the sound player, which a first sound would otherwise wait for.
    void prepareSound() { m_sound.prepare(); }

private:
    QtMessageBox m_boxes;
    LazySoundPlayer m_sound{shell::ProgramFolder::ofExecutable().path()};
    DesktopWebOpener m_web;
    SystemClock m_clock;
};

} // namespace outside
