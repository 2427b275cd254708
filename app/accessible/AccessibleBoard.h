// The board as assistive technology reads it: the window, named and described with
// the instructions; the headings as text; the list "Countries" with an item for each
// name still in it and, while a name is carried, the drop point; the map with the
// names placed on it; then the window's controls. Its parts are made the first
// time a client reads them, never at start-up.
#pragma once

#include "app/accessible/AccessibleItem.h"
#include "app/accessible/BoardEvents.h"
#include "app/accessible/ListedChildren.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <memory>

namespace app {

class Form1;
class MapAccessible;
class NameList;

class WindowAccessible : public ListedChildren<QAccessibleWidget>
{
public:
    explicit WindowAccessible(Form1 *form);
    ~WindowAccessible() override;

    // Nothing is read once the game is gone: the window is being taken down.
    bool isValid() const override { return QAccessibleWidget::isValid() && m_view.isValid(); }
    QString text(QAccessible::Text t) const override;

    MapAccessible *map() const;

protected:
    std::vector<QAccessibleInterface *> children() const override;

private:
    struct Parts;

    const Parts &parts() const;

    BoardView m_view;
    BoardEvents m_events;
    mutable std::unique_ptr<Parts> m_parts;
};

class NameListAccessible : public ListedChildren<QAccessibleWidget>
{
public:
    NameListAccessible(NameList *list, const BoardView &view);

    bool isValid() const override { return QAccessibleWidget::isValid() && m_view.isValid(); }
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *entry(int k) const;
    // While a name is carried, the point it is dropped at.
    QAccessibleInterface *dropPoint() const;

protected:
    std::vector<QAccessibleInterface *> children() const override;

private:
    const RegisteredItems &entries() const;

    BoardView m_view;
    mutable RegisteredItems m_entries;
};

class MapAccessible : public ListedChildren<PaintedItem>
{
public:
    explicit MapAccessible(const BoardView &view);

    QAccessibleInterface *parent() const override;

protected:
    QString name() const override { return QCoreApplication::translate("Board", "Map of Africa"); }
    QRectF area() const override;
    std::vector<QAccessibleInterface *> children() const override;

private:
    RegisteredItems m_placedNames;
};

// Installed once, at start-up: gives the quiz window and its list of names the
// interfaces above.
void installBoardAccessibility();

} // namespace app
