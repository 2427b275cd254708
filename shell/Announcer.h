// The seam for saying the results of play to a screen reader: each platform says
// them its own way (AT-SPI, UI Automation, a live region in a web page); tests
// record them.
#pragma once

#include <QString>

namespace shell {

class Announcer
{
public:
    enum class Urgency {
        Polite, // after what the screen reader is saying now
        AtOnce, // cutting it off
    };

    virtual ~Announcer() = default;
    // Whether anything would hear it: nothing need be composed for speech otherwise.
    virtual bool listening() const = 0;
    virtual void say(const QString &text, Urgency urgency) = 0;
    // A box is about to take the focus: what is said once the focus has settled in the
    // window goes now, while the screen reader still listens there.
    virtual void beforeBox() {}
};

} // namespace shell
