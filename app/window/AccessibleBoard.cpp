#include "app/window/AccessibleBoard.h"

#include "app/window/BoardAreas.h"
#include "app/window/Form1.h"
#include "app/window/NameList.h"
#include "app/window/SpokenResults.h"
#include "quiz/BoardLayout.h"

#include <QLineEdit>
#include <QPushButton>

namespace app {

namespace {

const QString kDescription = QStringLiteral(
    "Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, "
    "choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over "
    "the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.");

Form1 &formOf(QObject *object)
{
    return *static_cast<Form1 *>(object);
}

QAccessibleInterface *windowOf(Form1 &form)
{
    return QAccessible::queryAccessibleInterface(&form);
}

class HeadingItem : public PaintedItem
{
public:
    HeadingItem(Form1 &form, const quiz::Heading &heading) : PaintedItem(form, QAccessible::StaticText), m_heading(heading) {}
    QAccessibleInterface *parent() const override { return windowOf(form()); }

protected:
    QString name() const override { return m_heading.text.toString(); }
    QRectF area() const override { return m_heading.rect.toPixels(); }

private:
    const quiz::Heading &m_heading;
};

// Says each result of play: a screen reader speaks it when it shows with its new name.
class AnnouncementItem : public PaintedItem
{
public:
    explicit AnnouncementItem(Form1 &form) : PaintedItem(form, QAccessible::Notification) {}
    QAccessibleInterface *parent() const override { return windowOf(form()); }

protected:
    QString name() const override { return form().spoken(); }
    QRectF area() const override { return quiz::kInstruction.rect.toPixels(); }
    bool shown() const override { return !form().spoken().isEmpty(); }
};

class EntryItem : public PressableItem
{
public:
    EntryItem(Form1 &form, int entry) : PressableItem(form, QAccessible::ListItem), m_entry(entry) {}
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(&form().nameList()); }

    QAccessible::State state() const override
    {
        QAccessible::State state = PressableItem::state();
        state.selectable = true;
        state.selected = isValid() && form().keyboard().focusedEntry() == m_entry;
        return state;
    }

protected:
    QString name() const override { return form().board().labels(m_entry).caption; }
    QRectF area() const override { return areas::listEntry(m_entry); }
    bool shown() const override { return form().board().labels(m_entry).visible; }
    bool focusable() const override { return true; }
    bool focused() const override
    {
        return form().nameList().hasFocus() && !form().keyboard().carried()
            && form().keyboard().focusedEntry() == m_entry;
    }
    QString pressDescription() const override { return QStringLiteral("Pick up this name"); }
    void press() override { form().pickUp(m_entry); }

private:
    int m_entry;
};

class PlacedNameItem : public PaintedItem
{
public:
    PlacedNameItem(Form1 &form, int slot) : PaintedItem(form, QAccessible::StaticText), m_slot(slot) {}
    QAccessibleInterface *parent() const override { return static_cast<WindowAccessible *>(windowOf(form()))->map(); }

protected:
    QString name() const override { return form().board().maplabel(m_slot).caption; }
    QRectF area() const override { return areas::nameSlot(m_slot); }
    bool shown() const override { return form().board().maplabel(m_slot).visible; }

private:
    int m_slot;
};

class DropPointItem : public PressableItem
{
public:
    explicit DropPointItem(Form1 &form) : PressableItem(form, QAccessible::Graphic) {}
    QAccessibleInterface *parent() const override { return static_cast<WindowAccessible *>(windowOf(form()))->map(); }

protected:
    QString name() const override
    {
        const std::optional<int> carried = form().keyboard().carried();
        return carried ? QStringLiteral("Drop point for %1").arg(form().board().labels(*carried).caption)
                       : QStringLiteral("Drop point");
    }
    QString description() const override { return spoken::dropPointPosition(form().keyboard().dropPoint()); }
    QRectF area() const override { return areas::dropMarker(form().keyboard().dropPoint()); }
    bool shown() const override { return form().keyboard().carried().has_value(); }
    bool focusable() const override { return true; }
    bool focused() const override { return form().nameList().hasFocus() && shown(); }
    QString pressDescription() const override { return QStringLiteral("Drop the name here"); }
    void press() override { form().dropAtDropPoint(); }
};

} // namespace

WindowAccessible::WindowAccessible(Form1 *form) : ListedChildren(form, QAccessible::Window)
{
    for (const quiz::Heading *heading : {&quiz::kInstructionsHeading, &quiz::kInstruction, &quiz::kCountriesHeading})
        m_headings.add(new HeadingItem(*form, *heading));
    m_painted.add(new MapAccessible(*form));
    m_painted.add(new AnnouncementItem(*form));
}

QString WindowAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Description ? kDescription : ListedChildren::text(t);
}

std::vector<QAccessibleInterface *> WindowAccessible::children() const
{
    // In reading order: the instructions, the list, the map, the buttons; the unseen text box last.
    Form1 &form = formOf(object());
    std::vector<QAccessibleInterface *> children{m_headings.at(0), m_headings.at(1), m_headings.at(2),
                                                 QAccessible::queryAccessibleInterface(&form.nameList()), map()};
    for (QWidget *widget : std::initializer_list<QWidget *>{&form.pushButton1(), &form.pushButton2(), &form.text1()})
        children.push_back(QAccessible::queryAccessibleInterface(widget));
    children.push_back(notification());
    return children;
}

NameListAccessible::NameListAccessible(NameList *list) : ListedChildren(list, QAccessible::List)
{
    Form1 &form = formOf(list->parentWidget());
    for (int k = 0; k < quiz::kListEntryCount; ++k)
        m_entries.add(new EntryItem(form, k));
}

std::vector<QAccessibleInterface *> NameListAccessible::children() const
{
    return shownItems(m_entries);
}

QAccessibleInterface *NameListAccessible::focusChild() const
{
    const Form1 &form = formOf(widget()->parentWidget());
    const int focused = form.keyboard().focusedEntry();
    return widget()->hasFocus() && focused >= 0 && !form.keyboard().carried() ? entry(focused) : nullptr;
}

MapAccessible::MapAccessible(Form1 &form) : ListedChildren(form, QAccessible::Canvas)
{
    for (int k = 0; k < quiz::kCountryCount; ++k)
        m_placedNames.add(new PlacedNameItem(form, k));
    m_dropPoint.add(new DropPointItem(form));
}

QAccessibleInterface *MapAccessible::parent() const
{
    return windowOf(form());
}

QRectF MapAccessible::area() const
{
    return quiz::kDropPointArea.toPixels();
}

std::vector<QAccessibleInterface *> MapAccessible::children() const
{
    std::vector<QAccessibleInterface *> children = shownItems(m_placedNames);
    if (!dropPoint()->state().invisible)
        children.push_back(dropPoint());
    return children;
}

void installBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String(Form1::staticMetaObject.className()))
                return new WindowAccessible(static_cast<Form1 *>(object));
            if (className == QLatin1String(NameList::staticMetaObject.className()))
                return new NameListAccessible(static_cast<NameList *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace app
