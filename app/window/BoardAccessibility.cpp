#include "app/window/BoardAccessibility.h"

#include "app/window/AccessibleBoard.h"
#include "app/window/Form1.h"

#include <QAccessible>

namespace app {

namespace {

void send(QAccessibleInterface *item, QAccessible::Event type)
{
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void BoardAccessibility::say(const QString &text)
{
    m_spoken = text;
    auto *window = dynamic_cast<WindowAccessible *>(QAccessible::queryAccessibleInterface(&m_form));
    if (!QAccessible::isActive() || !window)
        return;
    // Screen readers keep the name they read last until told it changed.
    send(window->notification(), QAccessible::NameChanged);
#ifdef Q_OS_WIN
    // UI Automation raises a string value change as a notification, which Narrator and NVDA speak.
    QAccessibleValueChangeEvent event(window->notification(), text);
    QAccessible::updateAccessibility(&event);
#else
    // Orca speaks a notification when it shows.
    send(window->notification(), QAccessible::ObjectShow);
#endif
}

void BoardAccessibility::refresh()
{
    const Look now = lookNow();
    if (m_last && QAccessible::isActive())
        tellChanges(*m_last, now);
    m_last = now;
}

BoardAccessibility::Look BoardAccessibility::lookNow() const
{
    const quiz::Board &board = m_form.board();
    const quiz::KeyboardPlay &keys = m_form.keyboard();
    Look look;
    for (int k = 0; k < quiz::kListEntryCount; ++k)
        look.inList[std::size_t(k)] = board.labels(k).visible;
    for (int k = 0; k < quiz::kCountryCount; ++k)
        look.onMap[std::size_t(k)] = board.maplabel(k).visible;
    if (const std::optional<int> carried = keys.carried()) {
        look.dropPoint = keys.dropPoint();
        look.carried = board.labels(*carried).caption;
    }
    if (m_form.nameList().hasFocus()) {
        if (look.dropPoint)
            look.focus = kDropPointFocus;
        else if (keys.focusedEntry() >= 0)
            look.focus = keys.focusedEntry();
    }
    return look;
}

void BoardAccessibility::tellChanges(const Look &before, const Look &now) const
{
    auto *window = dynamic_cast<WindowAccessible *>(QAccessible::queryAccessibleInterface(&m_form));
    auto *list = dynamic_cast<NameListAccessible *>(QAccessible::queryAccessibleInterface(&m_form.nameList()));
    if (!window || !list)
        return;
    auto *map = static_cast<MapAccessible *>(window->map());
    if (now.inList != before.inList)
        send(list, QAccessible::ObjectReorder);
    if (now.onMap != before.onMap || now.dropPoint.has_value() != before.dropPoint.has_value())
        send(map, QAccessible::ObjectReorder);
    if (now.dropPoint && now.carried != before.carried)
        send(map->dropPoint(), QAccessible::NameChanged);
    if (now.dropPoint && before.dropPoint && *now.dropPoint != *before.dropPoint) {
        send(map->dropPoint(), QAccessible::DescriptionChanged);
        send(map->dropPoint(), QAccessible::LocationChanged);
    }
    if (now.focus && (now.focus != before.focus || now.carried != before.carried))
        send(*now.focus == kDropPointFocus ? map->dropPoint() : list->entry(*now.focus), QAccessible::Focus);
}

} // namespace app
