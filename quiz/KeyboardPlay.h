// Playing with the keyboard, beside the mouse: a name of the list has the keyboard's
// focus; picked up, it is carried by a drop point that moves over the map in small
// or big steps, and dropped there through the same drag as a mouse drop. The drop
// point never snaps to a country, which would give the answer away.
#pragma once

#include "quiz/DragSession.h"
#include "quiz/ListNavigation.h"

#include <optional>

namespace quiz {

// Where the drop point can go: the map as the window shows it.
inline constexpr TwipRect kDropPointArea{kMapPictureRect.left, 0, kMapPictureRect.width, kClientHeight};
// A small step is well below the narrowest hotspot (135 twips), so every country can
// be reached. Steps are whole pixels, so the drop point always lies where a pointer
// can lie too.
inline constexpr int kSmallDropStep = 4 * kTwipsPerPixel;
inline constexpr int kBigDropStep = 40 * kTwipsPerPixel;

// How the keyboard moves its focus among the names still in the list.
enum class FocusMove { Previous, Next, Across, First, Last, Letter };

class KeyboardPlay
{
public:
    KeyboardPlay(Board &board, DragSession &drag);

    // The name with the keyboard's focus: always one still in the list, -1 when none is.
    int focusedEntry() const { return inListFrom(m_board, m_focus); }
    void focus(int entry) { m_focus = entry; }
    // `letter` is the one typed, for FocusMove::Letter.
    void moveFocus(FocusMove move, QChar letter = {});

    // The name carried by the drop point, while a pick from the keyboard lasts.
    std::optional<int> carried() const;
    // Picks up the focused name; false when none can be picked.
    bool pickUp();
    TwipPoint dropPoint() const { return m_dropPoint; }
    // Moves the drop point by steps across and down, kept within the map.
    void moveDropPoint(int across, int down, bool bigSteps);
    // Drops the carried name at the drop point. A right drop moves the focus on to
    // the next name (the first, once the map is complete and a new game begun);
    // otherwise it stays on the dropped name, and the drop point stays where it is.
    DropOutcome drop();
    // Ends the carry without a drop: the name stays in the list, focused.
    void putBack();

private:
    Board &m_board;
    DragSession &m_drag;
    int m_focus = 0;
    // The name picked from the keyboard, while its drag lasts.
    std::optional<int> m_picked;
    TwipPoint m_dropPoint;
};

} // namespace quiz
