#include "app/window/BoardFonts.h"

#include <QStringList>

namespace app {

namespace {

QString standIn(QStringView family)
{
    return family == kArialNarrow ? QStringLiteral("Liberation Sans Narrow") : QStringLiteral("Liberation Sans");
}

void standInWhereMissing()
{
    static const bool registered = [] {
        QFont::insertSubstitution(kArial.toString(), standIn(kArial));
        QFont::insertSubstitution(kArialNarrow.toString(), standIn(kArialNarrow));
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

QFont boardFont(QStringView family, int pixels, bool bold)
{
    standInWhereMissing();
    QFont font(family.toString());
    // A list of families takes no substitutes: the stand-in comes next by name.
    font.setFamilies({family.toString(), standIn(family), QStringLiteral("Noto Sans Arabic UI"),
                      QStringLiteral("Abyssinica SIL"), QStringLiteral("Segoe UI"), QStringLiteral("Ebrima"),
                      QStringLiteral("Nyala")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

std::optional<QStringView> narrowerFace(QStringView family)
{
    if (family == kArial)
        return kArialNarrow;
    return std::nullopt;
}

} // namespace app
