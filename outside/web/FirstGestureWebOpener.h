// The home page in a web page: a browser blocks a tab that a page opens on its
// own, silently, so the address is opened in a new tab at the player's first
// click, tap or key after it is asked for, which the browser lets through.
#pragma once

#include "shell/WebOpener.h"

namespace outside {

class FirstGestureWebOpener : public shell::WebOpener
{
public:
    // Never fails: whether the browser opens the tab is known only later.
    void open(const QUrl &address) override;
};

} // namespace outside
