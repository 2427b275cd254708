// Shows one message box through the program's own box code and waits for OK:
//     quillmere_show_box <caption> <warning|none> <text>
// Tests compare the program's boxes with this one, drawn on the same X server,
// to read a box's text without a screen reader.
#include "app/startup/ApplicationSetUp.h"
#include "outside/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    const auto icon = arguments[2] == QLatin1String("warning") ? shell::BoxRequest::Icon::Warning
                                                               : shell::BoxRequest::Icon::None;
    outside::QtMessageBox().show({arguments[3], arguments[1], icon});
    return 0;
}
