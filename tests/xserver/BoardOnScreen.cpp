#include "BoardOnScreen.h"

#include "ScreenPixels.h"

#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <optional>

namespace xtest {

namespace {

using namespace quiz;

TwipPoint twipsOf(QPoint pixel) { return {pixel.x() * kTwipsPerPixel, pixel.y() * kTwipsPerPixel}; }

const quiz::Board &tablesBoard()
{
    static const quiz::Board board;
    return board;
}

bool coveredByAreaFrom(const BoardDefinition &board, int first, QPoint pixel)
{
    for (int j = first; j < int(board.areas.size()); ++j) {
        if (board.covers(j, board.areas[std::size_t(j)].rect, twipsOf(pixel)))
            return true;
    }
    return false;
}

std::optional<QPoint> frontmostPointOf(const BoardDefinition &board, int area)
{
    const TwipRect &rect = board.areas[std::size_t(area)].rect;
    const QRect pixels = pixelRect(rect).intersected(pixelRect(kClientRect));
    std::optional<QPoint> best;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QPoint p(x, y);
            if (!board.covers(area, rect, twipsOf(p)) || coveredByAreaFrom(board, area + 1, p))
                continue;
            if (!best || (p - pixels.center()).manhattanLength() < (*best - pixels.center()).manhattanLength())
                best = p;
        }
    }
    return best;
}

bool placedIn(const QImage &atStart, const QImage &shot, const QRect &slot, const QRect &listBand)
{
    // Names in a slot are small: a short one still darkens this many pixels.
    constexpr int kSlotTextPixels = 8;
    return whitePixels(shot, listBand) == 0 && newDarkPixels(atStart, shot, slot) >= kSlotTextPixels;
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

QRect listEntryBand(int place)
{
    return listEntryBand(tablesBoard(), place);
}

QRect listEntryBand(const quiz::Board &board, int place)
{
    const TwipRect area = board.listPlaceArea(place);
    const int overlap = (area.height - board.definition().list.spacing) / kTwipsPerPixel;
    return pixelRect(area).adjusted(0, overlap, 0, -overlap);
}

QPoint onListEntry(int place)
{
    return onListEntry(tablesBoard(), place);
}

QPoint onListEntry(const quiz::Board &board, int place)
{
    const QRect band = listEntryBand(board, place);
    return {band.left() + 6, band.center().y()};
}

QRect slotArea(int k)
{
    return pixelRect(kSlotRects[k]);
}

bool everyNameShown(const QImage &shot)
{
    return everyNameListed(tablesBoard(), shot);
}

bool everyNameListed(const quiz::Board &board, const QImage &shot)
{
    // Fewer would be a stray pixel, not a name.
    constexpr int kNamePixels = 10;
    for (int place = 0; place < board.listEntryCount(); ++place) {
        if (whitePixels(shot, listEntryBand(board, place)) < kNamePixels)
            return false;
    }
    return true;
}

QPoint onHotspotOf(int row)
{
    return onCountry(tablesBoard(), row);
}

QPoint onCountry(const quiz::Board &board, int row)
{
    const BoardDefinition &definition = board.definition();
    for (int i = 0; i < int(definition.areas.size()); ++i) {
        if (definition.areas[std::size_t(i)].tag != definition.countryNames[row])
            continue;
        if (const std::optional<QPoint> p = frontmostPointOf(definition, i))
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
            if (!coveredByAreaFrom(tablesBoard().definition(), 0, {x, y}))
                return {x, y};
        }
    }
    return {};
}

bool placed(const QImage &atStart, const QImage &shot, int k, int place)
{
    return placedIn(atStart, shot, slotArea(k), listEntryBand(place));
}

bool placed(const quiz::Board &board, const QImage &atStart, const QImage &shot, int k)
{
    return placedIn(atStart, shot, pixelRect(board.definition().nameSlots[std::size_t(k)]),
                    listEntryBand(board, board.listPlace(k)));
}

} // namespace xtest
