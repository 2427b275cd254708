#include "app/startup/HomePage.h"

#include "shell/BuildSettings.h"

#include <QRandomGenerator>

#include <bit>

namespace app {

namespace {
constexpr int kOpeningDraw = 7;
}

int homePageDraw(float seed)
{
    QRandomGenerator generator(std::bit_cast<quint32>(seed));
    const double r = generator.generateDouble();
    return int(r * 100) + 1;
}

void MaybeOpenHomePage(const shell::Clock &clock, shell::WebOpener &web)
{
    if (homePageDraw(clock.secondsSinceMidnight()) == kOpeningDraw)
        web.open(QUrl(shell::homePageAddress()));
}

} // namespace app
