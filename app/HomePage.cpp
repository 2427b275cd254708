#include "app/HomePage.h"

#include "app/BuildSettings.h"

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

void MaybeOpenHomePage(const Clock &clock, WebOpener &web)
{
    if (homePageDraw(clock.secondsSinceMidnight()) == kOpeningDraw)
        web.open(QUrl(homePageAddress()));
}

} // namespace app
