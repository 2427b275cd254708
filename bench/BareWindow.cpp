// The baseline of the start-up benchmark: an empty Qt window as large as the quiz
// window, reporting its first frame the same way.
#include "app/startup/FirstFrameProbe.h"
#include "quiz/BoardLayout.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(quiz::kClientRect.toPixels().toRect().size());
    app::quitAfterFirstFrame(window);
    window.show();
    return application.exec();
}
