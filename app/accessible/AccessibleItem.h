// A painted part of the board as an accessible object of its own. It has no widget:
// its interface is registered with Qt and answers from the play session, in window
// pixels turned into the screen's. Once the session is gone (the window is being
// taken down) it answers nothing.
#pragma once

#include "quiz/PlaySession.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QRectF>
#include <QWidget>

#include <vector>

namespace app {

// What every accessible part of the board reads: the window it lies on and the game in play.
class BoardView
{
public:
    BoardView(QWidget &window, quiz::PlaySession &session) : m_window(&window), m_session(&session) {}

    bool isValid() const { return m_window && m_session; }
    QWidget &window() const { return *m_window; }
    const quiz::PlaySession &session() const { return *m_session; }
    // For the Press actions alone: assistive technology plays as the keys do.
    quiz::PlaySession &play() const { return *m_session; }

private:
    QPointer<QWidget> m_window;
    QPointer<quiz::PlaySession> m_session;
};

class PaintedItem : public QAccessibleInterface
{
public:
    PaintedItem(const BoardView &view, QAccessible::Role role) : m_view(view), m_role(role) {}

    bool isValid() const override { return m_view.isValid(); }
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

    const BoardView &view() const { return m_view; }
    const quiz::PlaySession &session() const { return m_view.session(); }

private:
    BoardView m_view;
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
