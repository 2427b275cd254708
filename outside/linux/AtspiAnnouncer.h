// Results said through AT-SPI as Orca presents a message: a changed description of
// the object with the focus, which Orca speaks at once, cutting off what it was
// saying, and flashes on the braille line, with no role word before it. Qt 6.4
// sends a changed description without its text, so the event goes out here, on
// Qt's own connection to the accessibility bus, where it names the same object.
// The description is given back straight after, so the message stays nowhere.
//
// Orca drops a message on any object but the one it last heard take the focus, and
// cuts off whatever it is saying for each: so a text goes only to the window while
// it is active, once the focus has been told, and a polite one (a step's words)
// waits while a result is still being spoken, as a screen reader's own queue would
// keep it.
#pragma once

#include "shell/Announcer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace outside {

class AtspiAnnouncer : public QObject, public shell::Announcer
{
public:
    AtspiAnnouncer();

    // The window whose objects carry the results.
    void attach(QWidget &window);

    bool listening() const override;
    // Sent once the focus has settled, after whatever moved it: a later text replaces
    // one not yet sent.
    void say(const QString &text, Urgency urgency) override;
    // The completion's result goes before its box takes Orca's focus, and the box
    // waits while it is spoken.
    void beforeBox() override;

    // About how long a voice at a screen reader's usual rate takes to say `text`.
    static int speakingMilliseconds(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void queue(const QString &text);
    void send();

    QPointer<QWidget> m_window;
    QString m_pending;
    bool m_sendQueued = false;
    // A step waiting for the result before it to be spoken, and when that will be.
    QString m_waitingStep;
    QTimer m_stepTimer;
    QElapsedTimer m_clock;
    qint64 m_resultSpokenUntil = 0;
};

} // namespace outside
