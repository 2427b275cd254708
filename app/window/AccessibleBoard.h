// The board as assistive technology reads it: the window, named and described
// with the instructions; the headings as text; the list "Countries" with an item
// for each name still in it; the map with the names placed on it and, while a name
// is carried, the drop point; the buttons; and a notification that says each result.
#pragma once

#include "app/window/AccessibleItem.h"
#include "app/window/ListedChildren.h"

#include <QAccessibleWidget>

namespace app {

class NameList;

class WindowAccessible : public ListedChildren<QAccessibleWidget>
{
public:
    explicit WindowAccessible(Form1 *form);

    QString text(QAccessible::Text t) const override;

    QAccessibleInterface *map() const { return m_painted.at(0); }
    QAccessibleInterface *notification() const { return m_painted.at(1); }

protected:
    std::vector<QAccessibleInterface *> children() const override;

private:
    RegisteredItems m_headings;
    RegisteredItems m_painted;
};

class NameListAccessible : public ListedChildren<QAccessibleWidget>
{
public:
    explicit NameListAccessible(NameList *list);

    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *entry(int k) const { return m_entries.at(std::size_t(k)); }

protected:
    std::vector<QAccessibleInterface *> children() const override;

private:
    RegisteredItems m_entries;
};

class MapAccessible : public ListedChildren<PaintedItem>
{
public:
    explicit MapAccessible(Form1 &form);

    QAccessibleInterface *parent() const override;

    QAccessibleInterface *dropPoint() const { return m_dropPoint.at(0); }

protected:
    QString name() const override { return QStringLiteral("Map of Africa"); }
    QRectF area() const override;
    std::vector<QAccessibleInterface *> children() const override;

private:

    RegisteredItems m_placedNames;
    RegisteredItems m_dropPoint;
};

// Installed once; gives the window and its list of names the interfaces above.
void installBoardAccessibility();

} // namespace app
