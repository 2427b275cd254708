#include "app/startup/ApplicationSetUp.h"

#include "app/accessible/AccessibleBoard.h"

#include <QApplication>
#include <QFont>

namespace app {

void setUpApplication()
{
    // Lets Wayland desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmere.Quillmere"));
    // Without it, a desktop lacking a default sans-serif face would fall back to a monospaced one.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    // Made only when assistive technology asks for the window.
    installBoardAccessibility();
}

} // namespace app
