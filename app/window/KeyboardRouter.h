// The keyboard's way into play. Keys on the list of names move its focus, pick a
// name up, steer the drop point and drop or put back, all through the play session;
// Return presses a focused button as Space does. The keyboard's marks show from the
// first key until the next press of a mouse button, which also puts back a name the
// keys carry.
#pragma once

#include "app/window/KeyboardMarks.h"
#include "quiz/PlaySession.h"

#include <QObject>

#include <vector>

class QKeyEvent;
class QPainter;
class QPushButton;

namespace app {

class KeyboardRouter : public QObject
{
    Q_OBJECT

public:
    // `controls` are the window's other widgets that take keys and focus.
    KeyboardRouter(QWidget &window, quiz::PlaySession &session, QWidget &nameList, std::vector<QWidget *> controls);

    bool inUse() const { return m_inUse; }
    // What the marks show now: nothing while the mouse is in use.
    KeyboardFocus focus() const;
    void paintMarks(QPainter &painter) const;
    // A press of a mouse button anywhere on the window.
    void useMouse();
    // A new game begins with the focus on the list, where the session's keyboard focus
    // is on its first name: a player left on Restart would be one key away from Exit.
    void focusList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool playKey(const QKeyEvent &event);
    bool pressButton(QPushButton &button, const QKeyEvent &event);
    void setInUse(bool inUse);
    void followPick();
    // Repaints the marks where they were and where they are now.
    void refresh();

    QWidget &m_window;
    quiz::PlaySession &m_session;
    QWidget &m_nameList;
    std::vector<QWidget *> m_controls;
    KeyboardMarks m_marks;
    KeyboardFocus m_painted;
    bool m_inUse = false;
};

} // namespace app
