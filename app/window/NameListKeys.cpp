#include "app/window/NameListKeys.h"

#include <QKeyEvent>

namespace app {

namespace {

using Action = NameListKey::Action;

NameListKey carryingKey(const QKeyEvent &event)
{
    const bool big = event.modifiers().testFlag(Qt::ShiftModifier);
    const Action steer = event.modifiers().testFlag(Qt::ControlModifier) ? Action::SteerToCountry : Action::Steer;
    switch (event.key()) {
    case Qt::Key_Left: return {.action = steer, .across = -1, .down = 0, .bigSteps = big};
    case Qt::Key_Right: return {.action = steer, .across = 1, .down = 0, .bigSteps = big};
    case Qt::Key_Up: return {.action = steer, .across = 0, .down = -1, .bigSteps = big};
    case Qt::Key_Down: return {.action = steer, .across = 0, .down = 1, .bigSteps = big};
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return {.action = Action::Drop};
    // Tab puts the name back and goes on to the next control.
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return {.action = Action::PutBack};
    // The list's own keys, which have no use over the map.
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return {.action = Action::Unused};
    default: break;
    }
    const QString text = event.text();
    return text.size() == 1 && text.front().isLetter() ? NameListKey{.action = Action::Unused} : NameListKey{};
}

NameListKey choosingKey(const QKeyEvent &event)
{
    using quiz::FocusMove;
    switch (event.key()) {
    case Qt::Key_Up: return {.action = Action::MoveFocus, .move = FocusMove::Previous};
    case Qt::Key_Down: return {.action = Action::MoveFocus, .move = FocusMove::Next};
    case Qt::Key_Left: return {.action = Action::MoveFocus, .move = FocusMove::Left};
    case Qt::Key_Right: return {.action = Action::MoveFocus, .move = FocusMove::Right};
    case Qt::Key_Home: return {.action = Action::MoveFocus, .move = FocusMove::First};
    case Qt::Key_End: return {.action = Action::MoveFocus, .move = FocusMove::Last};
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return {.action = Action::PickUp};
    // Nothing is carried to put back.
    case Qt::Key_Escape: return {.action = Action::Unused};
    default: break;
    }
    const QString text = event.text();
    const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && text.size() == 1 && text.front().isLetter())
        return {.action = Action::MoveFocus, .move = FocusMove::Letter, .letter = text.front()};
    return {};
}

} // namespace

NameListKey nameListKey(const QKeyEvent &event, bool carrying)
{
    const NameListKey key = carrying ? carryingKey(event) : choosingKey(event);
    const bool once = key.action == Action::PickUp || key.action == Action::Drop || key.action == Action::PutBack;
    return once && event.isAutoRepeat() ? NameListKey{.action = Action::Held} : key;
}

} // namespace app
