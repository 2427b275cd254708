// The start-up of the quiz window, in the order the player sees its effects.
#include "app/startup/ApplicationTitle.h"
#include "app/startup/ApplySkin.h"
#include "app/startup/CursorFile.h"
#include "app/startup/HomePage.h"
#include "app/window/Form1.h"
#include "quiz/BoardSetUp.h"
#include "shell/ErrorTrap.h"

namespace app {

void Form1::Form_Load()
{
    shell::ErrorTrap trap(m_session.boxes(), QStringLiteral("Form1.Form_Load"));
    trap.run(100, [&] { ApplySkin(*this); });
    const QString cursorPath = m_session.quiz().folder.file(shell::files::kCursor);
    if (trap.test(104, [&] { return shell::FileExists(cursorPath); }))
        trap.run(106, [&] { m_pointer.setMouseIcon(loadCursorFile(cursorPath)); });
    trap.run(108, [&] { setWindowTitle(kProductName.toString()); });
    trap.run(108, [&] { setWindowIcon(QIcon(QStringLiteral(":/icons/quillmere.ico"))); });
    trap.run(108, [&] { SetApplicationTitle(); });
    trap.run(110, [&] { MaybeOpenHomePage(m_platform.clock, m_platform.web); });
    quiz::setUpBoard(m_session.quiz(), trap);
}

} // namespace app
