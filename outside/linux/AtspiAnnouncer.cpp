#include "outside/linux/AtspiAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace outside {

namespace {

// The notification's widget is never shown, so it takes no room and no input; to
// assistive technology it is there once it has something to say. An empty one
// would be spoken as a notification.
class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QWidget *notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = widget()->accessibleName().isEmpty();
        return state;
    }
};

class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget &window) : QWidget(&window)
    {
        setFocusPolicy(Qt::NoFocus);
        hide();
        static const bool installed = [] {
            QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className == QLatin1String(Notice::staticMetaObject.className()))
                    return new NoticeAccessible(static_cast<QWidget *>(object));
                return nullptr;
            });
            return true;
        }();
        Q_UNUSED(installed);
    }
};

} // namespace

void AtspiAnnouncer::attach(QWidget &window)
{
    m_notice = new Notice(window);
}

bool AtspiAnnouncer::listening() const
{
    return m_notice && QAccessible::isActive();
}

void AtspiAnnouncer::say(const QString &text, Urgency)
{
    if (!m_notice)
        return;
    // Screen readers keep the name they read last until told it changed.
    m_notice->setAccessibleName(text);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace outside

#include "AtspiAnnouncer.moc"
