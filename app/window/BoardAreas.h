// Where each board element paints, in window pixels: the area to repaint when it
// changes, and the area within which the painter draws it.
#pragma once

#include "quiz/Board.h"
#include "quiz/Twips.h"

#include <QLineF>
#include <QRect>
#include <QRectF>

namespace app::areas {

// Where the board lays them, its panel in the reading direction of its language.
QRectF listEntry(const quiz::Board &board, int k);
QRectF inPanel(const quiz::Board &board, const quiz::TwipRect &designed);
QRectF nameSlot(const quiz::Board &board, int k);
QLineF leaderLine(const quiz::Board &board, int n); // n from 1; through the centres of its pixels
// The circle that marks the keyboard's drop point, centred on it.
QRectF dropMarker(quiz::TwipPoint p);

// The whole pixels an element's painting can touch.
QRect covered(const QRectF &area);
QRect covered(const QLineF &line);

} // namespace app::areas
