// The test's hands and eyes on an X display: xdotool moves the pointer and types,
// xwininfo tells where windows lie, ImageMagick's import takes their pictures.
#pragma once

#include <QImage>
#include <QList>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>

#include <functional>
#include <optional>

namespace xtest {

class XvfbDisplay;

using WindowId = quint32;

struct XWindow {
    WindowId id = 0;
    QRect geometry; // on the screen
};

class XDesktop
{
public:
    explicit XDesktop(const XvfbDisplay &display);

    QString displayName() const { return m_environment.value(QStringLiteral("DISPLAY")); }
    const QProcessEnvironment &clientEnvironment() const { return m_environment; }

    // The mapped top-level windows of process `pid` titled exactly `title`.
    QList<XWindow> windows(qint64 pid, const QString &title) const;
    // Waits until the process shows exactly one such window that `accept` takes (any, without it).
    std::optional<XWindow> waitForWindow(qint64 pid, const QString &title,
                                         const std::function<bool(const XWindow &)> &accept = {},
                                         int timeoutMs = 15000) const;
    WindowId focusedWindow() const;

    QImage grab(WindowId window) const;
    // Takes pictures of the window until one satisfies `condition`.
    std::optional<QImage> grabWhen(WindowId window, const std::function<bool(const QImage &)> &condition,
                                   int timeoutMs = 5000) const;

    // A player's drag: press at `from`, move on through the middle, release at `to`.
    // The pointer then rests off the window, so no hover effect stays in a picture.
    void drag(WindowId window, QPoint from, QPoint to) const;
    void click(WindowId window, QPoint at) const;
    void movePointer(WindowId window, QPoint to) const;
    void pressKey(const QString &key) const;
    // Holds the key down for `ms`, long enough for the server to repeat it.
    void holdKey(const QString &key, int ms) const;
    void parkPointer() const;

private:
    QByteArray run(const QString &program, const QStringList &arguments, bool *ok = nullptr) const;
    void xdotool(const QStringList &arguments) const;

    QProcessEnvironment m_environment;
};

} // namespace xtest
