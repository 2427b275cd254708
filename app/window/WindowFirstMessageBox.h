// Boxes that open while the board is changing, a drop's completion box above all:
// the window repaints first, so the player sees the board as it now stands behind
// the box, not as it stood before the drop, and the window may say first what
// happened so far.
#pragma once

#include "shell/MessageBox.h"

#include <QWidget>

#include <functional>

namespace app {

class WindowFirstMessageBox : public shell::MessageBox
{
public:
    WindowFirstMessageBox(shell::MessageBox &box, QWidget &window, std::function<void()> beforeBox)
        : m_box(box), m_window(window), m_beforeBox(std::move(beforeBox))
    {
    }

    void show(const shell::BoxRequest &request) override
    {
        m_window.update();
        m_beforeBox();
        m_box.show(request);
    }

private:
    shell::MessageBox &m_box;
    QWidget &m_window;
    std::function<void()> m_beforeBox;
};

} // namespace app
