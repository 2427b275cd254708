#include "outside/linux/AtspiAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace outside {

namespace {

class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget &window) : QWidget(&window)
    {
        setGeometry(0, 0, 0, 0);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        static const bool installed = [] {
            QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className == QLatin1String(Notice::staticMetaObject.className()))
                    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
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
    // Hidden until it has something to say: an empty notification would be spoken as one.
    m_notice = new Notice(window);
    m_notice->hide();
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
    if (m_notice->isHidden()) {
        m_notice->show();
        return;
    }
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace outside

#include "AtspiAnnouncer.moc"
