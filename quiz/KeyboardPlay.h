// Playing with the keyboard, beside the mouse: a name of the list has the keyboard's
// focus, and a drop point that moves over the map in small or big steps carries a
// name once it is picked up. The drop point never snaps to a country, which would
// give the answer away.
#pragma once

#include "quiz/CountryPlaces.h"
#include "quiz/DragSession.h"
#include "quiz/ListNavigation.h"

namespace quiz {

// A small step is well below the narrowest hotspot (135 twips), so every country can
// be reached. Steps are whole pixels, so the drop point always lies where a pointer
// can lie too.
inline constexpr int kSmallDropStep = 4 * kTwipsPerPixel;
inline constexpr int kBigDropStep = 40 * kTwipsPerPixel;

// How the keyboard moves its focus among the names still in the list.
enum class FocusMove { Previous, Next, Left, Right, First, Last, Letter };

class KeyboardPlay
{
    // Focuses the first name the list shows, whichever entry that is.
    static constexpr int kFirstShown = -1;

public:
    explicit KeyboardPlay(const Board &board);

    // The name with the keyboard's focus: always one still in the list, -1 when none is.
    int focusedEntry() const { return inListFrom(m_board, m_focus); }
    void focus(int entry) { m_focus = entry; }
    void focusFirst() { m_focus = kFirstShown; }
    // `letter` is the one typed, for FocusMove::Letter.
    void moveFocus(FocusMove move, QChar letter = {});

    TwipPoint dropPoint() const { return m_dropPoint; }
    // Moves the drop point by steps across and down, kept within the map.
    void moveDropPoint(int across, int down, bool bigSteps);
    // Moves the drop point well inside the next country that way; false when there
    // is none.
    bool moveDropPointToCountry(int across, int down);
    // Where the countries of the board lie, worked out the first time it is asked.
    const CountryPlaces &places() const;
    // After the keyboard dropped `entry`: a right drop moves the focus on to the next
    // name (the first, once the map is complete and a new game begun); otherwise it
    // stays on the dropped name, and the drop point stays where it is.
    void followDrop(int entry, DropOutcome outcome);

private:
    const Board &m_board;
    int m_focus = kFirstShown;
    TwipPoint m_dropPoint;
    mutable std::optional<CountryPlaces> m_places;
};

} // namespace quiz
