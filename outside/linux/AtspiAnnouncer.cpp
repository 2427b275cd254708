#include "outside/linux/AtspiAnnouncer.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {

// An object as AT-SPI names it: the bus name of its application and its path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ObjectReference &object)
{
    argument.beginStructure();
    argument << object.service << object.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ObjectReference &object)
{
    argument.beginStructure();
    argument >> object.service >> object.path;
    argument.endStructure();
    return argument;
}

} // namespace

namespace outside {

namespace {

// The name Qt gives its connection to the accessibility bus.
const QString kQtBusConnection = QStringLiteral("a11y");

QDBusConnection accessibilityBus()
{
    return QDBusConnection(kQtBusConnection);
}

// The object a screen reader presents as having the focus: the focus widget's, or
// the painted part that holds the focus for it.
QAccessibleInterface *focusedObject(QWidget &window)
{
    QWidget *widget = QApplication::focusWidget();
    QAccessibleInterface *object = QAccessible::queryAccessibleInterface(widget ? widget : &window);
    for (QAccessibleInterface *inner = object ? object->focusChild() : nullptr; inner && inner != object;
         inner = object->focusChild())
        object = inner;
    return object;
}

void sendDescription(QAccessibleInterface &object, const QString &description)
{
    QDBusConnection bus = accessibilityBus();
    const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
    const QString path = prefix + QString::number(QAccessible::uniqueId(&object));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    const ObjectReference application{bus.baseService(), QDBusObjectPath(prefix + QStringLiteral("root"))};
    signal << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(description))
           << QVariant::fromValue(application);
    bus.send(signal);
}

} // namespace

// A voice at Orca's usual rate says about 15 characters a second, numbers read out in words.
constexpr int kMillisecondsPerCharacter = 65;

AtspiAnnouncer::AtspiAnnouncer()
{
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, [this] { queue(std::exchange(m_waitingStep, QString())); });
    m_clock.start();
}

void AtspiAnnouncer::attach(QWidget &window)
{
    m_window = &window;
    window.installEventFilter(this);
    qDBusRegisterMetaType<ObjectReference>();
}

bool AtspiAnnouncer::listening() const
{
    return m_window && QAccessible::isActive() && accessibilityBus().isConnected();
}

int AtspiAnnouncer::speakingMilliseconds(const QString &text)
{
    return int(text.size()) * kMillisecondsPerCharacter;
}

void AtspiAnnouncer::say(const QString &text, Urgency urgency)
{
    if (!m_window)
        return;
    const qint64 now = m_clock.elapsed();
    if (urgency == Urgency::AtOnce) {
        // A result cuts off what is being said, steps waiting for their turn too.
        m_stepTimer.stop();
        m_waitingStep.clear();
        m_resultSpokenUntil = now + speakingMilliseconds(text);
    } else if (now < m_resultSpokenUntil) {
        m_waitingStep = text;
        m_stepTimer.start(int(m_resultSpokenUntil - now));
        return;
    }
    queue(text);
}

void AtspiAnnouncer::queue(const QString &text)
{
    m_pending = text;
    if (m_sendQueued)
        return;
    m_sendQueued = true;
    QTimer::singleShot(0, this, [this] { send(); });
}

void AtspiAnnouncer::beforeBox()
{
    if (m_sendQueued)
        send();
    // Orca reads its events a moment after they come, and passes over a message once a
    // box has taken the focus from its object: the box waits while the result is spoken.
    const qint64 left = m_resultSpokenUntil - m_clock.elapsed();
    if (left <= 0 || !listening())
        return;
    QEventLoop speaking;
    QTimer::singleShot(int(left), &speaking, &QEventLoop::quit);
    speaking.exec(QEventLoop::ExcludeUserInputEvents);
}

bool AtspiAnnouncer::eventFilter(QObject *watched, QEvent *event)
{
    // A text held while the window was inactive (behind a box) goes once the focus has
    // come back into it and its painted part has been told, a turn after the activation.
    if (watched == m_window && event->type() == QEvent::WindowActivate && !m_pending.isEmpty() && !m_sendQueued) {
        m_sendQueued = true;
        QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { send(); }); });
    }
    return QObject::eventFilter(watched, event);
}

void AtspiAnnouncer::send()
{
    m_sendQueued = false;
    if (!m_window || m_pending.isEmpty())
        return;
    // Orca's focus is in another window (a box): the text waits for this one.
    if (!m_window->isActiveWindow())
        return;
    const QString text = std::exchange(m_pending, QString());
    QAccessibleInterface *object = focusedObject(*m_window);
    if (!object || !listening())
        return;
    sendDescription(*object, text);
    sendDescription(*object, object->text(QAccessible::Description));
}

} // namespace outside
