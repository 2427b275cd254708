// The pointer shown while the mouse drags a name: put up when the drag begins and
// taken down when it ends, however it ends, so that it never outlives its drag.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace app {

class DragPointer
{
public:
    DragPointer() = default;
    DragPointer(const DragPointer &) = delete;
    DragPointer &operator=(const DragPointer &) = delete;
    ~DragPointer() { follow(false, {}); }

    // `cursor` is shown while `dragging` holds.
    void follow(bool dragging, const QCursor &cursor)
    {
        if (dragging == m_shown)
            return;
        m_shown = dragging;
        if (dragging)
            QGuiApplication::setOverrideCursor(cursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_shown = false;
};

} // namespace app
