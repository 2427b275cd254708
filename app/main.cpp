#include "app/startup/AfterFirstFrame.h"
#include "app/startup/ApplicationSetUp.h"
#include "app/startup/FirstFrameProbe.h"
#include "app/window/Form1.h"

#ifdef Q_OS_WIN
#include "outside/windows/WindowsPlatform.h"
using NativePlatform = outside::WindowsPlatform;
#else
#include "outside/linux/LinuxPlatform.h"
using NativePlatform = outside::LinuxPlatform;
#endif

#include <QApplication>

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    // GStreamer plays the .wma sounds; Qt's FFmpeg backend crashes without a sound device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
#endif
    QApplication application(argc, argv);
    app::setUpApplication();

    NativePlatform platform;
    app::Form1 form(platform.platform(), shell::ProgramFolder::ofExecutable());
    form.Form_Load();
    // Sounds take tens of milliseconds to get ready: started once the window is up,
    // they are ready by the first drop, and they leave the first frame alone.
    app::afterFirstFrame(form, [&platform] { platform.prepareSound(); });
    app::quitAfterFirstFrame(form);
    form.show();
    return application.exec();
}
