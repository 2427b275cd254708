// Paints the board as the window stacks it, from the back: the map, the panel, the
// headings, the name list, the hotspot outlines, the leader lines and the name slots.
// Pictures are scaled once for the screen's pixel ratio; label text is laid out
// once per caption.
#pragma once

#include "app/LabelText.h"
#include "quiz/Board.h"

#include <QImage>
#include <QCursor>
#include <QPixmap>

#include <array>
#include <vector>

class QPainter;

namespace app {

class BoardPainter
{
public:
    BoardPainter();

    void paint(QPainter &painter, const quiz::Board &board, qreal devicePixelRatio);

    // The push-pin shown while a name is dragged, pointing with its needle.
    QCursor dragCursor() const;

private:
    struct ScaledPicture {
        QImage source;
        QImage source2x; // drawn where the screen has more than one pixel per point
        QRectF target;
        QPixmap scaled;
        qreal scaledFor = 0;

        void draw(QPainter &painter, qreal devicePixelRatio);
    };

    void paintHeadings(QPainter &painter);
    void paintList(QPainter &painter, const quiz::Board &board);
    void paintMapOverlay(QPainter &painter, const quiz::Board &board);

    ScaledPicture m_map;
    ScaledPicture m_panel;
    QPixmap m_dragIcon;
    std::array<LabelText, 3> m_headings;
    std::vector<LabelText> m_listTexts;
    std::vector<LabelText> m_slotTexts;
};

} // namespace app
