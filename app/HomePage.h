// Now and then, start-up opens the product's home page.
#pragma once

#include <QUrl>

namespace app {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
};

class WebOpener
{
public:
    virtual ~WebOpener() = default;
    // Hands the address to whatever opens web addresses, without waiting. Throws a
    // Failure when nothing takes it.
    virtual void open(const QUrl &address) = 0;
};

// The number from 1 to 100 drawn for a start seeded with `seed`; 7 opens the page.
int homePageDraw(float seed);

void MaybeOpenHomePage(const Clock &clock, WebOpener &web);

} // namespace app
