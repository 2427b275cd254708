#include "tools/mapgen/today/SlotSizes.h"

#include "app/window/BoardFonts.h"
#include "app/window/FittedFont.h"
#include "quiz/BoardLayout.h"
#include "quiz/Twips.h"

#include <QTextOption>

#include <array>

namespace mapgen::today {
namespace {

// One to three lines, as the 48 board's slots are high, in pixels.
constexpr std::array<int, 3> kSlotHeights{225 / quiz::kTwipsPerPixel, 465 / quiz::kTwipsPerPixel,
                                          705 / quiz::kTwipsPerPixel};
constexpr int kWidestSlot = 400;

// English in the slot's own face and size; every other language at the smallest
// size the program fits a text down to, in the regular face: the narrower face is
// not the same on every system (a Windows without Arial Narrow draws another), so a
// slot that needed it would not hold its name everywhere.
bool fitsAll(const QStringList& names, QSize box)
{
    const QFont font = app::boardFont(app::kArial, quiz::kSmallTextPixels, true);
    const QFont smallest = app::boardFont(app::kArial, app::kSmallestTextPixels, true);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    if (!app::measureText(names.first(), font, option, box.width()).fits(box))
        return false;
    for (qsizetype i = 1; i < names.size(); ++i)
        if (!app::measureText(names[i], smallest, option, box.width()).fits(box))
            return false;
    return true;
}

} // namespace

std::vector<QSize> slotSizes(const QStringList& namesEnglishFirst)
{
    std::vector<QSize> sizes;
    int previousWidth = kWidestSlot + 1;
    for (int height : kSlotHeights) {
        // Fitting only gets easier with width: the narrowest by bisection.
        int tooNarrow = 0, wide = kWidestSlot;
        if (!fitsAll(namesEnglishFirst, QSize(wide, height)))
            continue;
        while (wide - tooNarrow > 1) {
            const int middle = (tooNarrow + wide) / 2;
            (fitsAll(namesEnglishFirst, QSize(middle, height)) ? wide : tooNarrow) = middle;
        }
        if (wide < previousWidth)
            sizes.emplace_back(wide, height);
        previousWidth = std::min(previousWidth, wide);
    }
    return sizes;
}

} // namespace mapgen::today
