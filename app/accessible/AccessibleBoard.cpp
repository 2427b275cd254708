#include "app/accessible/AccessibleBoard.h"

#include "app/window/BoardAreas.h"
#include "app/window/Form1.h"
#include "app/window/NameList.h"
#include "quiz/BoardLayout.h"
#include "quiz/SpokenResults.h"

#include <QLineEdit>
#include <QPushButton>

namespace app {

namespace {

WindowAccessible *windowOf(const BoardView &view)
{
    return view.isValid() ? static_cast<WindowAccessible *>(QAccessible::queryAccessibleInterface(&view.window()))
                          : nullptr;
}

class HeadingItem : public PaintedItem
{
public:
    HeadingItem(const BoardView &view, const quiz::Heading &heading)
        : PaintedItem(view, QAccessible::StaticText), m_heading(heading)
    {
    }
    QAccessibleInterface *parent() const override { return windowOf(view()); }

protected:
    QString name() const override { return m_heading.text.toString(); }
    QRectF area() const override { return areas::inPanel(session().board(), m_heading.rect); }

private:
    const quiz::Heading &m_heading;
};

class EntryItem : public PressableItem
{
public:
    EntryItem(const BoardView &view, NameList &list, int entry)
        : PressableItem(view, QAccessible::ListItem), m_list(&list), m_entry(entry)
    {
    }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableItem::state();
        state.selectable = true;
        state.selected = isValid() && session().focusedEntry() == m_entry;
        return state;
    }

protected:
    QString name() const override { return session().board().labels(m_entry).caption; }
    QRectF area() const override { return areas::listEntry(session().board(), m_entry); }
    bool shown() const override { return session().board().labels(m_entry).visible; }
    bool focusable() const override { return true; }
    bool focused() const override
    {
        return m_list && m_list->hasFocus() && !session().carried() && session().focusedEntry() == m_entry;
    }
    QString pressDescription() const override { return QCoreApplication::translate("Board", "Pick up this name"); }
    // A name that has left the list is picked by nobody: the session refuses it.
    void press() override { view().play().pickUp(m_entry); }

private:
    QPointer<NameList> m_list;
    int m_entry;
};

class PlacedNameItem : public PaintedItem
{
public:
    PlacedNameItem(const BoardView &view, int slot) : PaintedItem(view, QAccessible::StaticText), m_slot(slot) {}
    QAccessibleInterface *parent() const override
    {
        WindowAccessible *window = windowOf(view());
        return window ? window->map() : nullptr;
    }

protected:
    QString name() const override { return session().board().maplabel(m_slot).caption; }
    QRectF area() const override { return areas::nameSlot(session().board(), m_slot); }
    bool shown() const override { return session().board().maplabel(m_slot).visible; }

private:
    int m_slot;
};

// The carried name, moving over the map: one of the list's items while it is
// carried, so that going between it and the names is no move into another part of
// the window, which a screen reader would announce each time.
class DropPointItem : public PressableItem
{
public:
    DropPointItem(const BoardView &view, NameList &list) : PressableItem(view, QAccessible::ListItem), m_list(&list) {}
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }

protected:
    QString name() const override
    {
        const std::optional<int> carried = session().carried();
        return quiz::spoken::dropPoint(carried ? std::optional(session().board().labels(*carried).caption)
                                               : std::nullopt);
    }
    QRectF area() const override { return areas::dropMarker(session().dropPoint()); }
    bool shown() const override { return session().carried().has_value(); }
    bool focusable() const override { return true; }
    bool focused() const override { return shown(); }
    QString pressDescription() const override { return QCoreApplication::translate("Board", "Drop the name here"); }
    void press() override { view().play().dropAtDropPoint(); }

private:
    QPointer<NameList> m_list;
};

} // namespace

struct WindowAccessible::Parts {
    RegisteredItems headings;
    RegisteredItems map;
};

WindowAccessible::WindowAccessible(Form1 *form)
    : ListedChildren(form, QAccessible::Window), m_view(*form, form->session()), m_events(m_view, form->nameList())
{
}

WindowAccessible::~WindowAccessible() = default;

QString WindowAccessible::text(QAccessible::Text t) const
{
    // A screen reader reads the window's description each time the window comes
    // back (after the completion's box, say): the instructions are there until the
    // window first goes, and F1 says them again.
    if (t == QAccessible::Description)
        return m_events.windowLeftOnce() ? QString() : quiz::spoken::instructions();
    return ListedChildren::text(t);
}

const WindowAccessible::Parts &WindowAccessible::parts() const
{
    if (!m_parts) {
        m_parts = std::make_unique<Parts>();
        for (const quiz::Heading *heading : {&quiz::kInstructionsHeading, &quiz::kInstruction, &quiz::kCountriesHeading})
            m_parts->headings.add(new HeadingItem(m_view, *heading));
        m_parts->map.add(new MapAccessible(m_view));
    }
    return *m_parts;
}

MapAccessible *WindowAccessible::map() const
{
    return static_cast<MapAccessible *>(parts().map.at(0));
}

std::vector<QAccessibleInterface *> WindowAccessible::children() const
{
    if (!isValid())
        return {};
    // In reading order: the instructions, the list, the map, the buttons, then
    // whatever else the window holds for assistive technology. The unseen text box
    // is nothing a player meets.
    auto &form = static_cast<Form1 &>(m_view.window());
    std::vector<QAccessibleInterface *> children{parts().headings.at(0), parts().headings.at(1), parts().headings.at(2),
                                                 QAccessible::queryAccessibleInterface(&form.nameList()), map()};
    std::vector<QWidget *> controls{&form.pushButton1(), &form.pushButton2()};
    for (QWidget *widget : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget != &form.nameList() && widget != &form.text1()
            && std::find(controls.begin(), controls.end(), widget) == controls.end())
            controls.push_back(widget);
    }
    for (QWidget *widget : controls)
        children.push_back(QAccessible::queryAccessibleInterface(widget));
    return children;
}

NameListAccessible::NameListAccessible(NameList *list, const BoardView &view)
    : ListedChildren(list, QAccessible::List), m_view(view)
{
}

const RegisteredItems &NameListAccessible::entries() const
{
    if (m_entries.size() == 0) {
        auto &list = *static_cast<NameList *>(widget());
        for (int k = 0; k < m_view.session().board().listEntryCount(); ++k)
            m_entries.add(new EntryItem(m_view, list, k));
        m_entries.add(new DropPointItem(m_view, list));
    }
    return m_entries;
}

QAccessibleInterface *NameListAccessible::dropPoint() const
{
    return entries().at(std::size_t(m_view.session().board().listEntryCount()));
}

QAccessibleInterface *NameListAccessible::entry(int k) const
{
    return entries().at(std::size_t(k));
}

std::vector<QAccessibleInterface *> NameListAccessible::children() const
{
    std::vector<QAccessibleInterface *> shown;
    // In the order the list shows them, which is also the order they overlap in.
    for (int place = 0; isValid() && place < m_view.session().board().listEntryCount(); ++place) {
        QAccessibleInterface *item = entry(m_view.session().board().entryAtListPlace(place));
        if (!item->state().invisible)
            shown.push_back(item);
    }
    if (isValid() && !dropPoint()->state().invisible)
        shown.push_back(dropPoint());
    return shown;
}

QAccessibleInterface *NameListAccessible::focusChild() const
{
    if (!isValid())
        return nullptr;
    if (!widget()->hasFocus())
        return nullptr;
    // While a name is carried, the list's keys move the drop point over the map.
    if (m_view.session().carried())
        return dropPoint();
    const int focused = m_view.session().focusedEntry();
    return focused >= 0 ? entry(focused) : nullptr;
}

MapAccessible::MapAccessible(const BoardView &view) : ListedChildren(view, QAccessible::Canvas)
{
    for (int k = 0; k < view.session().board().countryCount(); ++k)
        m_placedNames.add(new PlacedNameItem(view, k));
}

QAccessibleInterface *MapAccessible::parent() const
{
    return windowOf(view());
}

QRectF MapAccessible::area() const
{
    return quiz::kDropPointArea.toPixels();
}

std::vector<QAccessibleInterface *> MapAccessible::children() const
{
    return isValid() ? shownItems(m_placedNames) : std::vector<QAccessibleInterface *>{};
}

void installBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String(Form1::staticMetaObject.className()))
                return new WindowAccessible(static_cast<Form1 *>(object));
            if (className == QLatin1String(NameList::staticMetaObject.className())) {
                auto *form = static_cast<Form1 *>(static_cast<NameList *>(object)->window());
                return new NameListAccessible(static_cast<NameList *>(object), BoardView(*form, form->session()));
            }
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace app
