// Paints the board as the window stacks it, from the back: the map, the panel, the
// headings, the name list, the hotspot outlines, the leader lines and the name slots.
// Only the elements that meet the exposed area are painted. Pictures are scaled once
// for the screen's pixel ratio; label text is laid out once per caption.
#pragma once

#include "app/window/LabelText.h"
#include "app/window/ScaledPicture.h"
#include "quiz/Board.h"

#include <QColor>
#include <QCursor>

#include <array>
#include <future>
#include <thread>
#include <optional>
#include <vector>

class QPainter;
class QRegion;

namespace app {

class BoardPainter
{
public:
    explicit BoardPainter(const quiz::BoardDefinition &definition = *quiz::BoardDefinition::tables());
    BoardPainter(const BoardPainter &) = delete;
    BoardPainter &operator=(const BoardPainter &) = delete;
    ~BoardPainter();

    // The painter is clipped to `exposed` already.
    void paint(QPainter &painter, const quiz::Board &board, qreal devicePixelRatio, const QRegion &exposed);

    // The push-pin shown while a name is dragged, pointing with its needle.
    const QCursor &dragCursor();

private:
    // Waits for the pictures' first scaling, or does it here where no thread could.
    void finishPreparing();
    void paintHeadings(QPainter &painter, const quiz::Board &board, const QRegion &exposed);
    void paintList(QPainter &painter, const quiz::Board &board, const QRegion &exposed);
    void paintMapOverlay(QPainter &painter, const quiz::Board &board, const QRegion &exposed);

    ScaledPicture m_map;
    ScaledPicture m_panel;
    QColor m_lineColour;
    std::optional<QCursor> m_dragCursor; // made on the first drag
    std::array<LabelText, 3> m_headings;
    std::vector<LabelText> m_listTexts;
    std::vector<LabelText> m_slotTexts;
    std::packaged_task<void()> m_preparation; // the pictures' first scaling
    std::thread m_worker; // runs it, where a thread can be started
};

} // namespace app
