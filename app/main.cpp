#include "app/startup/AfterFirstFrame.h"
#include "app/startup/ApplicationSetUp.h"
#include "app/startup/BoardChoice.h"
#include "app/startup/FirstFrameProbe.h"
#include "app/startup/FormLoad.h"
#include "app/startup/LanguageChoice.h"
#include "app/window/Form1.h"

#ifdef Q_OS_WIN
#include "outside/windows/WindowsPlatform.h"
using NativePlatform = outside::WindowsPlatform;
#elif defined(Q_OS_WASM)
#include "app/accessible/BoardToWords.h"
#include "app/startup/KeepGame.h"
#include "outside/web/WebPlatform.h"
using NativePlatform = outside::WebPlatform;
#else
#include "outside/linux/LinuxPlatform.h"
using NativePlatform = outside::LinuxPlatform;
#endif

#include <QAccessible>
#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    // Qt on Linux reads the desktop's screen-reader setting once, at start: told to
    // offer the board to assistive technology whenever the desktop's accessibility
    // bus is there, it is found by a screen reader started after the game too. Qt
    // reads the setting when its accessibility is first asked about, here; the
    // programs this one starts (the browser for the home page) are not told it.
    const bool offerBoard = !qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    if (offerBoard)
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication application(argc, argv);
    QAccessible::isActive();
    if (offerBoard)
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    app::setUpApplication();
    const quiz::BoardLanguage language =
        app::chooseLanguage(QCoreApplication::arguments(), QLocale::system().uiLanguages());
    app::speak(language);

    NativePlatform platform;
    app::Form1 form(platform.platform(), shell::ProgramFolder::ofExecutable(), language,
                    app::chooseBoard(QCoreApplication::arguments()));
    platform.announceIn(form);
    app::Form_Load(form);
#ifdef Q_OS_WASM
    // A page reloaded by the browser (on a phone, a tab it put aside) plays on with the names placed.
    app::KeepGame keptGame(form.session(), platform.keptGame());
    // A page's screen readers cannot read the window at all: the board is told to the page in words.
    app::BoardToWords boardInWords(form, platform.boardInWords());
#endif
    // The sound player takes tens of milliseconds to load and decode its sounds:
    // started on a thread of its own once the window is up, it is ready by the first
    // drop, and it leaves the first frame alone.
    app::afterFirstFrame(form, [&platform] { platform.prepareSound(); });
    app::quitAfterFirstFrame(form);
    form.show();
    return application.exec();
}
