#include "app/window/KeyboardRouter.h"

#include "app/window/NameListKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace app {

KeyboardRouter::KeyboardRouter(QWidget &window, quiz::PlaySession &session, QWidget &nameList,
                               std::vector<QWidget *> controls)
    : QObject(&window), m_window(window), m_session(session), m_nameList(nameList), m_controls(std::move(controls)),
      m_marks(session.board())
{
    m_nameList.installEventFilter(this);
    for (QWidget *control : m_controls)
        control->installEventFilter(this);
    connect(&session, &quiz::PlaySession::keyboardChanged, this, &KeyboardRouter::refresh);
    connect(&session, &quiz::PlaySession::pickChanged, this, &KeyboardRouter::followPick);
}

KeyboardFocus KeyboardRouter::focus() const
{
    KeyboardFocus focus;
    if (!m_inUse)
        return focus;
    const quiz::Board &board = m_session.board();
    if (m_nameList.hasFocus()) {
        if (const std::optional<int> carried = m_session.carried()) {
            focus.dropPoint = m_session.dropPoint();
            focus.carriedName = board.labels(*carried).caption;
        } else if (m_session.focusedEntry() >= 0) {
            focus.entry = m_session.focusedEntry();
            focus.entryCaption = board.labels(*focus.entry).caption;
        }
    }
    for (const QWidget *control : m_controls) {
        if (qobject_cast<const QPushButton *>(control) && control->hasFocus())
            focus.button = control->geometry();
    }
    return focus;
}

void KeyboardRouter::paintMarks(QPainter &painter) const
{
    if (m_inUse)
        m_marks.paint(painter, focus());
}

void KeyboardRouter::focusList()
{
    m_nameList.setFocus(Qt::OtherFocusReason);
}

void KeyboardRouter::useMouse()
{
    m_session.putBack();
    setInUse(false);
}

bool KeyboardRouter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        useMouse();
        break;
    case QEvent::KeyPress: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (key.key() == Qt::Key_F1) {
            m_session.askForInstructions();
            return true;
        }
        if (watched == &m_nameList)
            return playKey(key);
        if (auto *button = qobject_cast<QPushButton *>(watched))
            return pressButton(*button, key);
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
            setInUse(true);
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // The focus moves after this event: the marks follow it.
        QTimer::singleShot(0, this, &KeyboardRouter::refresh);
        break;
    default:
        break;
    }
    return false;
}

bool KeyboardRouter::playKey(const QKeyEvent &event)
{
    using Action = NameListKey::Action;
    const NameListKey key = nameListKey(event, m_session.carried().has_value());
    if (key.action == Action::None)
        return false;
    setInUse(true);
    switch (key.action) {
    case Action::MoveFocus: m_session.moveFocus(key.move, key.letter); break;
    case Action::PickUp: m_session.pickUpFocused(); break;
    case Action::Steer: m_session.steer(key.across, key.down, key.bigSteps); break;
    case Action::SteerToCountry: m_session.steerToCountry(key.across, key.down); break;
    case Action::Drop: m_session.dropAtDropPoint(); break;
    case Action::PutBack: m_session.putBack(); break;
    case Action::Unused: m_session.useNoKey(); break;
    case Action::Held:
    case Action::None: break;
    }
    // Tab goes on to the next control once the name is back.
    return event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab;
}

bool KeyboardRouter::pressButton(QPushButton &button, const QKeyEvent &event)
{
    setInUse(true);
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    if (!event.isAutoRepeat())
        button.click();
    return true;
}

void KeyboardRouter::setInUse(bool inUse)
{
    m_inUse = inUse;
    refresh();
}

void KeyboardRouter::followPick()
{
    // A name picked up for assistive technology is carried as the keys carry it.
    if (m_session.carried() && !m_nameList.hasFocus()) {
        m_inUse = true;
        m_nameList.setFocus(Qt::OtherFocusReason);
    }
    refresh();
}

void KeyboardRouter::refresh()
{
    const KeyboardFocus now = focus();
    if (now == m_painted)
        return;
    m_window.update(m_marks.area(m_painted) + m_marks.area(now));
    m_painted = now;
}

} // namespace app
