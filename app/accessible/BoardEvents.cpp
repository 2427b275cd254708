#include "app/accessible/BoardEvents.h"

#include "app/accessible/AccessibleBoard.h"

#include <QAccessible>
#include <QTimer>

namespace app {

namespace {

void send(QAccessibleInterface *item, QAccessible::Event type)
{
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

BoardEvents::BoardEvents(const BoardView &view, QWidget &nameList) : m_view(view), m_nameList(&nameList)
{
    const quiz::PlaySession &session = view.session();
    connect(&session, &quiz::PlaySession::boardChanged, this, &BoardEvents::refresh);
    connect(&session, &quiz::PlaySession::keyboardChanged, this, &BoardEvents::refresh);
    nameList.installEventFilter(this);
    view.window().installEventFilter(this);
}

bool BoardEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view.window()) {
        if (event->type() == QEvent::WindowDeactivate && !m_windowLeftOnce) {
            m_windowLeftOnce = true;
            // A window being closed has no interface left to tell of.
            QAccessibleInterface *window =
                QAccessible::isActive() ? QAccessible::queryAccessibleInterface(&m_view.window()) : nullptr;
            if (window && window->isValid())
                send(window, QAccessible::DescriptionChanged);
        }
        return QObject::eventFilter(watched, event);
    }
    // The widget's own focus is told first; the painted name or drop point follows it.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        QTimer::singleShot(0, this, &BoardEvents::refresh);
    return QObject::eventFilter(watched, event);
}

void BoardEvents::refresh()
{
    if (!QAccessible::isActive() || !m_view.isValid() || !m_nameList) {
        m_last.reset();
        return;
    }
    const Look now = lookNow();
    // Told first, the board as it stands is known to a client already; where the
    // keyboard is, is not.
    tellChanges(m_last.value_or(Look{now.inList, now.onMap, {}, {}, {}}), now);
    m_last = now;
}

BoardEvents::Look BoardEvents::lookNow() const
{
    const quiz::PlaySession &session = m_view.session();
    const quiz::Board &board = session.board();
    Look look;
    for (int k = 0; k < board.listEntryCount(); ++k)
        look.inList.push_back(board.labels(k).visible);
    for (int k = 0; k < board.countryCount(); ++k)
        look.onMap.push_back(board.maplabel(k).visible);
    if (const std::optional<int> carried = session.carried()) {
        look.dropPoint = session.dropPoint();
        look.carried = board.labels(*carried).caption;
    }
    if (m_nameList->hasFocus()) {
        if (look.dropPoint)
            look.focus = kDropPointFocus;
        else if (session.focusedEntry() >= 0)
            look.focus = session.focusedEntry();
        else
            look.focus = kListFocus;
    }
    return look;
}

void BoardEvents::tellChanges(const Look &before, const Look &now) const
{
    auto *window = dynamic_cast<WindowAccessible *>(QAccessible::queryAccessibleInterface(&m_view.window()));
    auto *list = dynamic_cast<NameListAccessible *>(QAccessible::queryAccessibleInterface(m_nameList));
    if (!window || !list)
        return;
    MapAccessible *map = window->map();
    if (now.inList != before.inList || now.dropPoint.has_value() != before.dropPoint.has_value())
        send(list, QAccessible::ObjectReorder);
    if (now.onMap != before.onMap)
        send(map, QAccessible::ObjectReorder);
    if (now.dropPoint && now.carried != before.carried)
        send(list->dropPoint(), QAccessible::NameChanged);
    if (now.dropPoint && before.dropPoint && *now.dropPoint != *before.dropPoint)
        send(list->dropPoint(), QAccessible::LocationChanged);
    if (now.focus && (now.focus != before.focus || now.carried != before.carried)) {
        // The list itself holds the focus once the last name has left it (the map's
        // completion is said to it), as a screen reader must know before it is told.
        QAccessibleInterface *focused = *now.focus == kDropPointFocus ? list->dropPoint()
                                        : *now.focus == kListFocus    ? static_cast<QAccessibleInterface *>(list)
                                                                      : list->entry(*now.focus);
        send(focused, QAccessible::Focus);
    }
}

} // namespace app
