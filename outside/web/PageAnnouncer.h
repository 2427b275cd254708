// Results said in a web page: Qt draws the board on a canvas that no screen reader
// can read, so each result goes to a live region of the page, polite or assertive.
#pragma once

#include "shell/Announcer.h"

namespace outside {

class PageAnnouncer : public shell::Announcer
{
public:
    // A page cannot tell whether a screen reader reads it: results always go there.
    bool listening() const override { return true; }
    void say(const QString &text, Urgency urgency) override;
};

} // namespace outside
