// The outside world as the window reaches it. The program passes the real things
// (outside/), tests pass recorders.
#pragma once

#include "shell/Announcer.h"
#include "shell/Clock.h"
#include "shell/Collation.h"
#include "shell/MessageBox.h"
#include "shell/SoundPlayer.h"
#include "shell/WebOpener.h"

namespace shell {

struct Platform {
    MessageBox &boxes;
    SoundPlayer &sound;
    WebOpener &web;
    const Clock &clock;
    Announcer &announcer;
    const Collation &collation;
};

} // namespace shell
