// The real pointer of an X server, moved and pressed through the XTEST extension
// as a mouse would, with the moment of the release known to within the round trip
// to the server. (xdotool, a process of its own, takes milliseconds to start.)
#pragma once

#include <QPoint>
#include <QString>

struct xcb_connection_t;

namespace bench {

class XTestPointer
{
public:
    explicit XTestPointer(const QString &display);
    ~XTestPointer();

    bool isConnected() const { return m_screenRoot != 0; }
    // Points are on the screen.
    void moveTo(QPoint at);
    void press();
    // Returns the CLOCK_MONOTONIC time, in nanoseconds, at which the server had the release.
    qint64 release();

private:
    void fake(int type, int detail, QPoint at = {});

    xcb_connection_t *m_connection = nullptr;
    unsigned m_screenRoot = 0;
};

} // namespace bench
