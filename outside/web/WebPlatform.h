// The real outside world in a web page: Qt's message boxes (modal, through
// asyncify), read out by the page too, and Qt's clock, the home page opened at the
// player's first gesture, the sounds decoded by FFmpeg and played through Web
// Audio, the board's fonts fetched beside it, the program's pointers as CSS
// cursors, results said in the page and the board told in words beside it, the
// game kept in the page's session, the page's end screen once the window is
// closed, and the browser's alphabetical orders.
#pragma once

#include "outside/qt/DecodedSoundPlayer.h"
#include "outside/qt/QtPlatform.h"
#include "outside/web/FirstGestureWebOpener.h"
#include "outside/web/PageAnnouncer.h"
#include "outside/web/PageBoardInWords.h"
#include "outside/web/PageCollation.h"
#include "outside/web/PageCursor.h"
#include "outside/web/PageKeptGame.h"
#include "outside/web/PageMessageBox.h"
#include "shell/Platform.h"

namespace outside {

class WebPlatform
{
public:
    // Made once the application object exists.
    WebPlatform();

    shell::Platform platform() { return {m_boxes, m_sound, m_web, m_clock, m_announcer, m_collation}; }
    // Results are said in the page beside the window, whatever the window.
    void announceIn(QWidget &) {}
    // The page's screen readers cannot read the board's canvas: it is told to the page in words.
    shell::BoardInWords &boardInWords() { return m_boardInWords; }
    // A phone's browser reloads a tab it put aside: the game is kept in the page's session.
    shell::KeptGame &keptGame() { return m_keptGame; }
    // Decodes the sounds of the game, so that the first drop does not wait for them.
    void prepareSound();

private:
    PageMessageBox m_boxes;
    DecodedSoundPlayer m_sound;
    FirstGestureWebOpener m_web;
    SystemClock m_clock;
    PageAnnouncer m_announcer;
    PageCollation m_collation;
    PageBoardInWords m_boardInWords;
    PageKeptGame m_keptGame;
    PageCursor m_cursor;
};

} // namespace outside
