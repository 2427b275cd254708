#include "app/startup/FormLoad.h"

#include "app/startup/ApplicationTitle.h"
#include "app/startup/ApplySkin.h"
#include "app/startup/CursorFile.h"
#include "app/startup/HomePage.h"
#include "app/window/Form1.h"
#include "quiz/BoardSetUp.h"
#include "shell/ErrorTrap.h"

namespace app {

void Form_Load(Form1 &form)
{
    quiz::PlaySession &session = form.session();
    shell::ErrorTrap trap(session.boxes(), QStringLiteral("Form1.Form_Load"));
    trap.run(100, [&] { ApplySkin(form); });
    const QString cursorPath = session.quiz().folder.file(shell::files::kCursor);
    if (trap.test(104, [&] { return shell::FileExists(cursorPath); }))
        trap.run(106, [&] { form.pointer().setMouseIcon(loadCursorFile(cursorPath)); });
    trap.run(108, [&] { form.setWindowTitle(kProductName.toString()); });
    trap.run(108, [&] { form.setWindowIcon(QIcon(QStringLiteral(":/icons/quillmere.ico"))); });
    trap.run(108, [&] { SetApplicationTitle(); });
    trap.run(110, [&] { MaybeOpenHomePage(form.platform().clock, form.platform().web); });
    quiz::setUpBoard(session.quiz(), trap);
}

} // namespace app
