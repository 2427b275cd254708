#include "outside/linux/AtspiAnnouncer.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
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

void AtspiAnnouncer::attach(QWidget &window)
{
    m_window = &window;
    qDBusRegisterMetaType<ObjectReference>();
}

bool AtspiAnnouncer::listening() const
{
    return m_window && QAccessible::isActive() && accessibilityBus().isConnected();
}

void AtspiAnnouncer::say(const QString &text, Urgency)
{
    if (!m_window)
        return;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, m_window, [this] { send(); });
    m_pending = text;
}

void AtspiAnnouncer::send()
{
    const QString text = std::exchange(m_pending, QString());
    QAccessibleInterface *object = m_window ? focusedObject(*m_window) : nullptr;
    if (!object || !listening())
        return;
    sendDescription(*object, text);
    sendDescription(*object, object->text(QAccessible::Description));
}

} // namespace outside
