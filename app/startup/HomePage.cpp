#include "app/startup/HomePage.h"

#include "shell/BuildSettings.h"

#include <QRandomGenerator>

#include <cstring>

namespace app {

namespace {
constexpr int kOpeningDraw = 7;
}

int homePageDraw(float seed)
{
    // The seed's bits as they lie in memory (std::bit_cast, which the web build's
    // C++ library lacks).
    quint32 bits = 0;
    static_assert(sizeof bits == sizeof seed);
    std::memcpy(&bits, &seed, sizeof bits);
    QRandomGenerator generator(bits);
    const double r = generator.generateDouble();
    return int(r * 100) + 1;
}

void MaybeOpenHomePage(const shell::Clock &clock, shell::WebOpener &web)
{
    if (homePageDraw(clock.secondsSinceMidnight()) == kOpeningDraw)
        web.open(QUrl(shell::homePageAddress()));
}

} // namespace app
