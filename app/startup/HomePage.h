// Now and then, start-up opens the product's home page.
#pragma once

#include "shell/Clock.h"
#include "shell/WebOpener.h"

#include <optional>

namespace app {

// The draw that opens the page.
inline constexpr int kOpeningDraw = 7;

// The number from 1 to 100 drawn for a start seeded with `seed`; 7 opens the page.
int homePageDraw(float seed);

// QUILLMERE_HOME_PAGE_DRAW, a number from 1 to 100, stands in for the clock's draw,
// so that a test or a demonstration decides whether this start opens the page.
// Unset or any other value leaves the draw to the clock.
std::optional<int> homePageDrawFromEnvironment();

void MaybeOpenHomePage(const shell::Clock &clock, shell::WebOpener &web);

} // namespace app
