#include "app/window/BoardFonts.h"

namespace app {

namespace {

void standInWhereMissing()
{
    static const bool registered = [] {
        QFont::insertSubstitution(kArial.toString(), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(kArialNarrow.toString(), QStringLiteral("Liberation Sans Narrow"));
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

QFont boardFont(QStringView family, int pixels, bool bold)
{
    standInWhereMissing();
    QFont font(family.toString());
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace app
