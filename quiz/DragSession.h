// Dragging a name from the list, in board coordinates: the window turns its mouse
// events into these calls.
//
// A press on a visible list entry starts its drag at once. While dragging over the
// list, the drag-over handler runs. The release goes to the element in front at
// the pointer: a drop target judges the drop, a list entry takes the name back,
// anything else ignores it.
#pragma once

#include "quiz/DropRules.h"
#include "quiz/Quiz.h"

#include <optional>

namespace quiz {

class DragSession
{
public:
    explicit DragSession(Quiz &quiz) : m_quiz(quiz) {}

    // Returns whether a drag started.
    bool press(TwipPoint p);
    // Starts dragging list entry `entry` as a press on it does; false when it is not in the list.
    bool pick(int entry);
    void move(TwipPoint p);
    // `insideWindow` is false when the pointer was released off the window.
    DropOutcome release(TwipPoint p, bool insideWindow);
    // Drops list entry `source` at `p` as a release there does, with no drag held.
    DropOutcome drop(int source, TwipPoint p, bool insideWindow);
    // The drag ends without a drop (the window lost the mouse).
    void cancel() { m_source.reset(); }

    std::optional<int> source() const { return m_source; }

private:
    Quiz &m_quiz;
    std::optional<int> m_source;
};

} // namespace quiz
