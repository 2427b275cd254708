// Now and then, start-up opens the product's home page.
#pragma once

#include "shell/Clock.h"
#include "shell/WebOpener.h"

namespace app {

// The number from 1 to 100 drawn for a start seeded with `seed`; 7 opens the page.
int homePageDraw(float seed);

void MaybeOpenHomePage(const shell::Clock &clock, shell::WebOpener &web);

} // namespace app
