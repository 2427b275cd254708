// The outside world as the window reaches it. The program passes the real things
// (QtPlatform); tests pass recorders.
#pragma once

#include "app/HomePage.h"
#include "app/MessageBox.h"
#include "quiz/SoundPlayer.h"

namespace app {

struct Platform {
    MessageBox &boxes;
    quiz::SoundPlayer &sound;
    WebOpener &web;
    const Clock &clock;
};

} // namespace app
