// What a key does on the list of names: moves the focus among the names, picks one
// up, steers the drop point that carries it, drops it or puts it back. A key held
// down repeats its moves and steps, never a pick, a drop or a put-back: a player who
// is slow to let go must not drop one name after another where the first one fell.
#pragma once

#include "quiz/KeyboardPlay.h"

#include <QChar>

class QKeyEvent;

namespace app {

struct NameListKey {
    // Held: a pick, drop or put-back repeated by a held key, taken and ignored.
    // Unused: a key of the list's that has nothing to do now, taken and told so.
    enum class Action { None, MoveFocus, PickUp, Steer, SteerToCountry, Drop, PutBack, Held, Unused };
    Action action = Action::None;
    quiz::FocusMove move = quiz::FocusMove::Next;
    QChar letter{};
    // Steering: the steps across and down, big ones with Shift; with Ctrl, the
    // way to the next country.
    int across = 0;
    int down = 0;
    bool bigSteps = false;
};

NameListKey nameListKey(const QKeyEvent &event, bool carrying);

} // namespace app
