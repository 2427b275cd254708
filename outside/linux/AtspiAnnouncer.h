// Results said through AT-SPI, as Orca hears them: a notification among the
// window's accessible children takes each text as its name and shows again, and a
// screen reader speaks a notification when it shows. It takes no room on the screen,
// so exploring the window by touch never lands on it.
#pragma once

#include "shell/Announcer.h"

#include <QPointer>
#include <QWidget>

namespace outside {

class AtspiAnnouncer : public shell::Announcer
{
public:
    // The window whose notification carries the results.
    void attach(QWidget &window);

    bool listening() const override;
    // AT-SPI knows no urgency: Orca speaks each notification as it comes.
    void say(const QString &text, Urgency urgency) override;

private:
    QPointer<QWidget> m_notice;
};

} // namespace outside
