#include "ScreenReader.h"

#include <atspi/atspi.h>

#include <QDeadlineTimer>

// libatspi's event loop while it runs; exported, though in no public header.
extern "C" GMainLoop *atspi_main_loop;

namespace xtest {

namespace {

// A failed call answers with nothing, which the checks then show.
class Error
{
public:
    ~Error() { g_clear_error(&m_error); }
    operator GError **() { return &m_error; }

private:
    GError *m_error = nullptr;
};

QString take(gchar *text)
{
    const QString taken = QString::fromUtf8(text);
    g_free(text);
    return taken;
}

// What a screen reader listens for; the name changes only keep the names it has read true.
constexpr const char *kEvents[] = {"object:state-changed:focused", "object:state-changed:showing",
                                   "object:property-change:accessible-name",
                                   "object:property-change:accessible-description"};

} // namespace

Accessible::Accessible(const Accessible &other)
    : m_object(other.m_object ? static_cast<AtspiAccessible *>(g_object_ref(other.m_object)) : nullptr)
{
}

Accessible &Accessible::operator=(Accessible other)
{
    std::swap(m_object, other.m_object);
    return *this;
}

Accessible::~Accessible()
{
    if (m_object)
        g_object_unref(m_object);
}

QString Accessible::role() const
{
    return m_object ? take(atspi_accessible_get_role_name(m_object, Error())) : QString();
}

QString Accessible::name() const
{
    return m_object ? take(atspi_accessible_get_name(m_object, Error())) : QString();
}

QString Accessible::description() const
{
    return m_object ? take(atspi_accessible_get_description(m_object, Error())) : QString();
}

QList<Accessible> Accessible::children() const
{
    QList<Accessible> children;
    const int count = m_object ? atspi_accessible_get_child_count(m_object, Error()) : 0;
    for (int i = 0; i < count; ++i)
        children.append(Accessible(atspi_accessible_get_child_at_index(m_object, i, Error())));
    return children;
}

QRect Accessible::extents() const
{
    AtspiComponent *component = m_object ? atspi_accessible_get_component_iface(m_object) : nullptr;
    if (!component)
        return {};
    AtspiRect *rect = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, Error());
    g_object_unref(component);
    if (!rect)
        return {};
    const QRect extents(rect->x, rect->y, rect->width, rect->height);
    g_free(rect);
    return extents;
}

bool Accessible::hasFocus() const
{
    AtspiStateSet *states = atspi_accessible_get_state_set(m_object);
    const bool focused = states && atspi_state_set_contains(states, ATSPI_STATE_FOCUSED);
    if (states)
        g_object_unref(states);
    return focused;
}

QStringList Accessible::actions() const
{
    AtspiAction *action = m_object ? atspi_accessible_get_action_iface(m_object) : nullptr;
    if (!action)
        return {};
    QStringList names;
    const int count = atspi_action_get_n_actions(action, Error());
    for (int i = 0; i < count; ++i)
        names.append(take(atspi_action_get_action_name(action, i, Error())));
    g_object_unref(action);
    return names;
}

ScreenReader::ScreenReader(const QString &accessibilityBusAddress)
{
    // Set outright: libatspi would otherwise look for the bus on the developer's own desktop.
    qputenv("AT_SPI_BUS_ADDRESS", accessibilityBusAddress.toUtf8());
    atspi_init();
    m_listener = atspi_event_listener_new(&ScreenReader::onEvent, this, nullptr);
    for (const char *event : kEvents)
        atspi_event_listener_register(m_listener, event, Error());
}

ScreenReader::~ScreenReader()
{
    for (const char *event : kEvents)
        atspi_event_listener_deregister(m_listener, event, Error());
    g_object_unref(m_listener);
}

void ScreenReader::onEvent(AtspiEvent *event, void *self)
{
    auto &reader = *static_cast<ScreenReader *>(self);
    const Accessible source(static_cast<AtspiAccessible *>(g_object_ref(event->source)));
    const QByteArray type(event->type);
    if (type.startsWith("object:state-changed:focused") && event->detail1 == 1) {
        reader.m_heard.append(QStringLiteral("focus ") + source.said());
        reader.m_focused = source;
    } else if (type.startsWith("object:state-changed:showing") && event->detail1 == 1
               && atspi_accessible_get_role(event->source, Error()) == ATSPI_ROLE_NOTIFICATION) {
        reader.m_heard.append(QStringLiteral("said: ") + source.name());
    } else if (type.startsWith("object:property-change:accessible-description")) {
        // As Orca does: a changed description of the focused object is a message, and
        // an empty one says nothing.
        const QString description =
            G_VALUE_HOLDS_STRING(&event->any_data) ? QString::fromUtf8(g_value_get_string(&event->any_data)) : QString();
        // A reader started after the focus last moved finds it as Orca does, by its state.
        if (reader.m_focused.isNull() && source.hasFocus())
            reader.m_focused = source;
        if (source == reader.m_focused) {
            if (!description.isEmpty())
                reader.m_heard.append(QStringLiteral("said: ") + description);
        } else {
            reader.m_heard.append(QStringLiteral("described ") + source.role() + QStringLiteral(": ") + description);
        }
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

Accessible ScreenReader::waitForWindow(const QString &application, int timeoutMs)
{
    Accessible window;
    waitUntil(
        [&] {
            const Accessible desktop(atspi_get_desktop(0));
            for (const Accessible &app : desktop.children()) {
                if (app.name() != application)
                    continue;
                const QList<Accessible> windows = app.children();
                if (!windows.isEmpty() && !windows.front().children().isEmpty())
                    window = windows.front();
            }
            return !window.isNull();
        },
        timeoutMs);
    return window;
}

bool ScreenReader::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    struct Wait {
        const std::function<bool()> &condition;
        QDeadlineTimer deadline;
        GMainLoop *loop;
        bool met = false;
    } wait{condition, QDeadlineTimer(timeoutMs), g_main_loop_new(nullptr, false)};
    constexpr guint kCheckEveryMs = 10;
    g_timeout_add(kCheckEveryMs,
                  [](gpointer data) -> gboolean {
                      auto &w = *static_cast<Wait *>(data);
                      w.met = w.condition();
                      if (!w.met && !w.deadline.hasExpired())
                          return G_SOURCE_CONTINUE;
                      g_main_loop_quit(w.loop);
                      return G_SOURCE_REMOVE;
                  },
                  &wait);
    // Events are handled in libatspi's event loop, as in a screen reader: only while it
    // runs does libatspi answer from the names it keeps, which stay true only if the
    // program says when they change. Its own atspi_event_main() never frees its loop.
    atspi_main_loop = wait.loop;
    g_main_loop_run(wait.loop);
    atspi_main_loop = nullptr;
    g_main_loop_unref(wait.loop);
    return wait.met;
}

QStringList namesOf(const QList<Accessible> &objects)
{
    QStringList names;
    for (const Accessible &object : objects)
        names << object.name();
    return names;
}

} // namespace xtest
