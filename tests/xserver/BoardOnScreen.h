// The board as the test sees it on the screen: where a player points and where the
// test looks, in pixels of the client area, worked out from the board's tables
// (twips, 15 to a pixel). A pixel (x, y) reaches the program as the twip point (15 x, 15 y).
// The functions without a board are about the board of the country tables, in English.
#pragma once

#include "quiz/Board.h"
#include "quiz/Twips.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace xtest {

QRect pixelRect(const quiz::TwipRect &rect);
// The part of the map picture inside the client area.
QRect visibleMapArea();

// A board whose list holds the built-in names of `language`, in the order the
// program shows them: where each row's name is to be found.
quiz::Board boardShownIn(const quiz::BoardLanguage &language,
                         std::shared_ptr<const quiz::BoardDefinition> definition = quiz::BoardDefinition::tables());
// A point of the list's place `place` that neither neighbour covers.
QPoint onListEntry(int place);
QPoint onListEntry(const quiz::Board &board, int place);
// The rows of place `place` that only its own name is painted on: neighbouring
// entries overlap it at the top and the bottom.
QRect listEntryBand(int place);
QRect listEntryBand(const quiz::Board &board, int place);
QRect slotArea(int k);
// Every list entry shows its name in white. (Named apart from the board's own, as it
// is handed over as a condition by its name alone.)
bool everyNameShown(const QImage &shot);
bool everyNameListed(const quiz::Board &board, const QImage &shot);
// A point of one of the areas of country row `row` that judge it, which no area in
// front covers, as near the middle of that area as there is one.
QPoint onHotspotOf(int row);
QPoint onCountry(const quiz::Board &board, int row);
// A point of the map that no hotspot covers.
QPoint onTheSea();
// Name k has left its place in the list and shows in its slot on the map, which
// was empty at the start.
bool placed(const QImage &atStart, const QImage &shot, int k, int place);
// The same for name k of `board`, at its place in that board's list.
bool placed(const quiz::Board &board, const QImage &atStart, const QImage &shot, int k);

} // namespace xtest
