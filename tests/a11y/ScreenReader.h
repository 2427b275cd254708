// The test's screen reader: it reads the accessibility tree through libatspi, as
// Orca does, and hears the events Orca speaks from: an object taking the focus, a
// notification showing, and the focused object's description changing, which Orca
// speaks and brailles as a message. It also listens for name changes, as Orca does,
// so that the program sends them and the names it keeps stay true.
#pragma once

#include <QList>
#include <QRect>
#include <QStringList>

#include <functional>

typedef struct _AtspiAccessible AtspiAccessible;
typedef struct _AtspiEvent AtspiEvent;
typedef struct _AtspiEventListener AtspiEventListener;

namespace xtest {

// An object of the tree. Reading it asks the program, except while events are handled,
// when libatspi answers from what it has kept (see ScreenReader::waitUntil).
class Accessible
{
public:
    Accessible() = default;
    // Takes over the reference it is given.
    explicit Accessible(AtspiAccessible *object) : m_object(object) {}
    Accessible(const Accessible &other);
    Accessible &operator=(Accessible other);
    ~Accessible();

    bool isNull() const { return !m_object; }
    // libatspi keeps one object for each one of the program's.
    bool operator==(const Accessible &other) const { return m_object == other.m_object; }
    QString role() const;
    QString name() const;
    QString description() const;
    // "<role>: <name>", the way the lines heard are written.
    QString said() const { return role() + QStringLiteral(": ") + name(); }
    QList<Accessible> children() const;
    // Where it lies on the screen.
    QRect extents() const;
    QStringList actions() const;
    bool hasFocus() const;

private:
    AtspiAccessible *m_object = nullptr;
};

// The names of `objects`, in their order.
QStringList namesOf(const QList<Accessible> &objects);

class ScreenReader
{
public:
    // Connects to the accessibility bus and starts listening, as a screen reader started now.
    explicit ScreenReader(const QString &accessibilityBusAddress);
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    // The first window of the application of that name, once it has children.
    Accessible waitForWindow(const QString &application, int timeoutMs);
    // Each event heard, one line each, in order: "focus <role>: <name>",
    // "said: <notification's name>" or "said: <message>" (the focused object's
    // description changed to it), "described <role>: <description>" (any other's).
    const QStringList &heard() const { return m_heard; }
    // What took the focus last.
    const Accessible &focused() const { return m_focused; }
    // Handles events until `condition` holds; false if it never did within the time.
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

private:
    static void onEvent(AtspiEvent *event, void *self);

    AtspiEventListener *m_listener = nullptr;
    QStringList m_heard;
    Accessible m_focused;
};

} // namespace xtest
