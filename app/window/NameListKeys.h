// What a key does on the list of names: moves the focus among the names, picks one
// up, steers the drop point that carries it, drops it or puts it back.
#pragma once

#include "quiz/KeyboardPlay.h"

#include <QChar>

class QKeyEvent;

namespace app {

struct NameListKey {
    enum class Action { None, MoveFocus, PickUp, Steer, Drop, PutBack };
    Action action = Action::None;
    quiz::FocusMove move = quiz::FocusMove::Next;
    QChar letter{};
    // Steering: the steps across and down, big ones with Shift.
    int across = 0;
    int down = 0;
    bool bigSteps = false;
};

NameListKey nameListKey(const QKeyEvent &event, bool carrying);

} // namespace app
