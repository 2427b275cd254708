// The window-wide pointer: normal (0), or the custom image loaded at start-up (99).
#pragma once

#include <QCursor>

#include <optional>

namespace app {

class WindowPointer
{
public:
    static constexpr qint16 kNormal = 0;
    static constexpr qint16 kCustom = 99;

    qint16 mousePointer() const { return m_mousePointer; }
    void setMousePointer(qint16 value) { m_mousePointer = value; }
    void setMouseIcon(const QCursor &icon) { m_mouseIcon = icon; }
    bool hasMouseIcon() const { return m_mouseIcon.has_value(); }

    // What the window shows: the custom image only when it is selected and was loaded.
    QCursor cursor() const
    {
        return m_mousePointer == kCustom && m_mouseIcon ? *m_mouseIcon : QCursor(Qt::ArrowCursor);
    }

private:
    qint16 m_mousePointer = kNormal;
    std::optional<QCursor> m_mouseIcon;
};

} // namespace app
