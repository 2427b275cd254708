// A painted part of the board as an accessible object of its own. It has no widget:
// its interface is registered with Qt once and answers from the window's state,
// in window pixels turned into the screen's.
#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QRectF>

#include <functional>
#include <vector>

namespace app {

class Form1;

class PaintedItem : public QAccessibleInterface
{
public:
    PaintedItem(Form1 &form, QAccessible::Role role);

    bool isValid() const override { return !m_form.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return m_role; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::State state() const override;

protected:
    virtual QString name() const = 0;
    virtual QString description() const { return {}; }
    // Where it lies on the window, in pixels.
    virtual QRectF area() const = 0;
    virtual bool shown() const { return true; }
    virtual bool focusable() const { return false; }
    virtual bool focused() const { return false; }

    Form1 &form() const { return *m_form; }

private:
    QPointer<Form1> m_form;
    QAccessible::Role m_role;
};

// An item that offers the Press action, which runs once the call that asked for it
// has returned: a drop may open a modal box, which must not hold a screen reader's call.
class PressableItem : public PaintedItem, public QAccessibleActionInterface
{
public:
    using PaintedItem::PaintedItem;

    void *interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionDescription(const QString &action) const override;
    void doAction(const QString &action) override;
    QStringList keyBindingsForAction(const QString &) const override { return {QStringLiteral("Return")}; }

protected:
    virtual QString pressDescription() const = 0;
    virtual void press() = 0;
};

// Interfaces registered with Qt for as long as their owner lives.
class RegisteredItems
{
public:
    RegisteredItems() = default;
    RegisteredItems(const RegisteredItems &) = delete;
    RegisteredItems &operator=(const RegisteredItems &) = delete;
    ~RegisteredItems();

    void add(QAccessibleInterface *item) { m_ids.push_back(QAccessible::registerAccessibleInterface(item)); }
    QAccessibleInterface *at(std::size_t i) const { return QAccessible::accessibleInterface(m_ids[i]); }
    std::size_t size() const { return m_ids.size(); }

private:
    std::vector<QAccessible::Id> m_ids;
};

// The children of a container that are shown now, in their order.
std::vector<QAccessibleInterface *> shownItems(const RegisteredItems &items);

} // namespace app
