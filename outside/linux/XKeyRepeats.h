// The repeats of a key held down on an X server, marked as repeats. The server
// repeats a held key as a release and a press with one time stamp; Qt, looking for
// the press while it handles the release, misses the pairs whose press has not come
// in yet, and hands those presses on as new ones. This sees each press as it comes,
// compares it with the key's last release, and hands on the presses Qt missed as the
// repeats they are. Elsewhere than on X it does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QObject>
#include <QQueue>

namespace outside {

class XKeyRepeats : public QObject, public QAbstractNativeEventFilter
{
public:
    // Watches the application's events from now on; made once it exists.
    XKeyRepeats();
    ~XKeyRepeats() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The server's time of each key's last release, by key code.
    QHash<quint32, quint32> m_releasedAt;
    // For each key code, whether each press not yet handed on was a repeat, in order.
    QHash<quint32, QQueue<bool>> m_pressRepeats;
};

} // namespace outside
