// Results said through AT-SPI as Orca presents a message: a changed description of
// the object with the focus, which Orca speaks at once, cutting off what it was
// saying, and flashes on the braille line, with no role word before it. Qt 6.4
// sends a changed description without its text, so the event goes out here, on
// Qt's own connection to the accessibility bus, where it names the same object.
// The description is given back straight after, so the message stays nowhere.
#pragma once

#include "shell/Announcer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace outside {

class AtspiAnnouncer : public shell::Announcer
{
public:
    // The window whose objects carry the results.
    void attach(QWidget &window);

    bool listening() const override;
    // Sent once the focus has settled, after whatever moved it: Orca speaks the focus
    // as it comes, cutting off what it was saying. A later text replaces one not yet sent.
    void say(const QString &text, Urgency urgency) override;

private:
    void send();

    QPointer<QWidget> m_window;
    QString m_pending;
};

} // namespace outside
