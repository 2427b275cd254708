#include "app/accessible/AccessibleItem.h"

#include <QTimer>
#include <QWindow>

namespace app {

QWindow *PaintedItem::window() const
{
    return isValid() ? m_view.window().windowHandle() : nullptr;
}

QString PaintedItem::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    if (t == QAccessible::Name)
        return name();
    if (t == QAccessible::Description)
        return description();
    return {};
}

QRect PaintedItem::rect() const
{
    if (!isValid())
        return {};
    const QRect onWindow = area().toAlignedRect();
    return QRect(m_view.window().mapToGlobal(onWindow.topLeft()), onWindow.size());
}

QAccessible::State PaintedItem::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    state.invisible = !shown();
    state.focusable = focusable();
    state.focused = focused();
    return state;
}

void *PressableItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QString PressableItem::localizedActionDescription(const QString &action) const
{
    return action == pressAction() ? pressDescription() : QString();
}

void PressableItem::doAction(const QString &action)
{
    if (action != pressAction() || !isValid())
        return;
    QTimer::singleShot(0, &view().window(), [this, id = QAccessible::uniqueId(this)] {
        if (QAccessible::accessibleInterface(id) == this && isValid())
            press();
    });
}

RegisteredItems::~RegisteredItems()
{
    for (QAccessible::Id id : m_ids)
        QAccessible::deleteAccessibleInterface(id);
}

std::vector<QAccessibleInterface *> shownItems(const RegisteredItems &items)
{
    std::vector<QAccessibleInterface *> shown;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items.at(i)->state().invisible)
            shown.push_back(items.at(i));
    }
    return shown;
}

} // namespace app
