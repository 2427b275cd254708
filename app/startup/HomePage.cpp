#include "app/startup/HomePage.h"

#include "shell/BuildSettings.h"

#include <QRandomGenerator>

#include <cstring>

namespace app {

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

std::optional<int> homePageDrawFromEnvironment()
{
    bool isNumber = false;
    const int draw = qEnvironmentVariableIntValue("QUILLMERE_HOME_PAGE_DRAW", &isNumber);
    if (!isNumber || draw < 1 || draw > 100)
        return std::nullopt;
    return draw;
}

void MaybeOpenHomePage(const shell::Clock &clock, shell::WebOpener &web)
{
    const int draw = homePageDrawFromEnvironment().value_or(homePageDraw(clock.secondsSinceMidnight()));
    if (draw == kOpeningDraw)
        web.open(QUrl(shell::homePageAddress()));
}

} // namespace app
