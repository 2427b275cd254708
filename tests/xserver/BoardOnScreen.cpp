#include "BoardOnScreen.h"

#include "ScreenPixels.h"

#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <optional>

namespace xtest {

namespace {

using namespace quiz;

TwipPoint twipsOf(QPoint pixel) { return {pixel.x() * kTwipsPerPixel, pixel.y() * kTwipsPerPixel}; }

bool coveredByHotspotFrom(int first, QPoint pixel)
{
    for (int j = first; j < kHotspotCount; ++j) {
        if (kHotspots[j].rect.contains(twipsOf(pixel)))
            return true;
    }
    return false;
}

std::optional<QPoint> frontmostPointOf(int hotspot)
{
    const QRect area = pixelRect(kHotspots[hotspot].rect).intersected(pixelRect(kClientRect));
    std::optional<QPoint> best;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p(x, y);
            if (!kHotspots[hotspot].rect.contains(twipsOf(p)) || coveredByHotspotFrom(hotspot + 1, p))
                continue;
            if (!best || (p - area.center()).manhattanLength() < (*best - area.center()).manhattanLength())
                best = p;
        }
    }
    return best;
}

} // namespace

QRect pixelRect(const TwipRect &rect)
{
    return rect.toPixels().toRect();
}

QRect visibleMapArea()
{
    return pixelRect(kMapPictureRect).intersected(pixelRect(kClientRect));
}

quiz::Board boardShownIn(const quiz::BoardLanguage &language, std::shared_ptr<const quiz::BoardDefinition> definition)
{
    quiz::Board board(language, std::move(definition));
    const QStringList names = board.definition().builtInNames(language);
    for (int k = 0; k < board.countryCount(); ++k)
        board.labels(k).caption = names[k];
    board.orderList(shell::QtCollation());
    return board;
}

QRect listEntryBand(int k)
{
    const QRect entry = pixelRect(listEntryRect(k));
    const int overlap = (listEntryRect(k).height - kListSpacing) / kTwipsPerPixel;
    return entry.adjusted(0, overlap, 0, -overlap);
}

QPoint onListEntry(int k)
{
    const QRect band = listEntryBand(k);
    return {band.left() + 6, band.center().y()};
}

QRect slotArea(int k)
{
    return pixelRect(kSlotRects[k]);
}

bool everyNameShown(const QImage &shot)
{
    // Fewer would be a stray pixel, not a name.
    constexpr int kNamePixels = 10;
    for (int k = 0; k < kListEntryCount; ++k) {
        if (whitePixels(shot, listEntryBand(k)) < kNamePixels)
            return false;
    }
    return true;
}

QPoint onHotspotOf(int row)
{
    for (int i = 0; i < kHotspotCount; ++i) {
        if (kHotspots[i].tag != kCountryNames[row])
            continue;
        if (const std::optional<QPoint> p = frontmostPointOf(i))
            return *p;
    }
    return {};
}

QPoint onTheSea()
{
    // Scanned from the map's lower left corner, where the ocean lies.
    const QRect map = visibleMapArea().adjusted(4, 4, -4, -4);
    for (int y = map.bottom(); y >= map.top(); --y) {
        for (int x = map.left(); x <= map.right(); ++x) {
            if (!coveredByHotspotFrom(0, {x, y}))
                return {x, y};
        }
    }
    return {};
}

bool placed(const QImage &atStart, const QImage &shot, int k, int place)
{
    // Names in a slot are small: a short one still darkens this many pixels.
    constexpr int kSlotTextPixels = 8;
    return whitePixels(shot, listEntryBand(place)) == 0 && newDarkPixels(atStart, shot, slotArea(k)) >= kSlotTextPixels;
}

} // namespace xtest
