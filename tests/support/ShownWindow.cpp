#include "ShownWindow.h"

#include "MouseOnWindow.h"

#include "app/startup/FormLoad.h"

#include <QScreen>
#include <QtTest>

namespace testing {

ShownWindow::ShownWindow(shell::MessageBox *boxes, shell::Announcer *announcer, quiz::BoardLanguage language)
    : form(shell::Platform{boxes ? *boxes : outside.boxes, outside.sound, outside.web, outside.clock,
                           announcer ? *announcer : outside.announcer, outside.collation},
           shell::ProgramFolder(folder.path()), std::move(language))
{
    app::Form_Load(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void ShownWindow::drag(QPoint from, QPoint to)
{
    dragWithMouse(form, from, to);
}

QImage ShownWindow::shown()
{
    return form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace testing
