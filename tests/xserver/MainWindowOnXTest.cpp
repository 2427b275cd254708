// The main window on a real X server: its size, what it shows, and the two ways
// the player ends the program.
#include "BoardOnScreen.h"
#include "CloseRequest.h"
#include "ProgramOnX.h"
#include "ScreenPixels.h"

#include "quiz/BoardLayout.h"

#include <QtTest>

using namespace xtest;

namespace {

// Borders and lettering blur in the stretch; the rest of a picture must match.
constexpr double kMostSamples = 0.85;

// The panel where nothing is painted on it: below the longer list column, above the buttons.
QRect bareStretchOfPanel()
{
    const QRect panel = pixelRect(quiz::kPanelPictureRect).intersected(pixelRect(quiz::kClientRect));
    const int top = pixelRect(quiz::listEntryRect(quiz::kLeftColumnEntries - 1)).bottom();
    const int bottom = pixelRect(quiz::kRestartButtonRect).top();
    return QRect(QPoint(panel.left(), top), QPoint(panel.right(), bottom)).adjusted(3, 3, -3, -3);
}

// A push button as drawn: a light face with the dark letters of its caption.
bool looksLikeAButton(const QImage &shot, const QRect &button)
{
    const int area = button.width() * button.height();
    return lightPixels(shot, button) > area / 2 && darkPixels(shot, button.adjusted(20, 4, -20, -4)) >= 15;
}

} // namespace

class MainWindowOnXTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheBoardAtTheSizeOfItsClientArea()
    {
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        x.program.start(x.desktop);
        const std::optional<XWindow> window = x.desktop.waitForWindow(x.program.pid(), kMainWindowTitle);
        QVERIFY(window);
        QCOMPARE(window->geometry.size(), kClientSize);

        x.desktop.parkPointer();
        const std::optional<QImage> shot = x.desktop.grabWhen(window->id, everyNameShown);
        QVERIFY2(shot, "the 48 names never all showed in white");

        const QImage map(QStringLiteral(":/pictures/map.jpg"));
        QVERIFY(likenessToPicture(*shot, map, quiz::kMapPictureRect.toPixels(), visibleMapArea().adjusted(3, 3, -3, -3))
                > kMostSamples);
        QCOMPARE(shot->pixelColor(0, kClientSize.height() / 2), QColor(Qt::white)); // the bare window left of the map
        const QImage panel(QStringLiteral(":/pictures/panel.jpg"));
        QVERIFY(likenessToPicture(*shot, panel, quiz::kPanelPictureRect.toPixels(), bareStretchOfPanel()) > kMostSamples);
        for (const quiz::Heading &heading : {quiz::kInstructionsHeading, quiz::kInstruction, quiz::kCountriesHeading})
            QVERIFY2(whitePixels(*shot, pixelRect(heading.rect)) >= 10, qPrintable(heading.text.toString()));
        QVERIFY(looksLikeAButton(*shot, pixelRect(quiz::kRestartButtonRect)));
        QVERIFY(looksLikeAButton(*shot, pixelRect(quiz::kExitButtonRect)));
    }

    void exitButtonEndsTheProgramAtOnce()
    {
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        const auto untouched = x.program.folder().checksums();
        x.program.start(x.desktop);
        const std::optional<XWindow> window = x.program.waitForMainWindow(x.desktop);
        QVERIFY(window);
        QVERIFY(x.desktop.grabWhen(window->id, everyNameShown));

        x.desktop.click(window->id, pixelRect(quiz::kExitButtonRect).center());
        QVERIFY(x.program.endsCleanlyWithin(3000));
        QCOMPARE(x.program.folder().checksums(), untouched);
    }

    void closeRequestEndsTheProgramAtOnce()
    {
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        const auto untouched = x.program.folder().checksums();
        x.program.start(x.desktop);
        const std::optional<XWindow> window = x.program.waitForMainWindow(x.desktop);
        QVERIFY(window);

        QVERIFY2(sendCloseRequest(x.desktop, window->id), "the window does not take close requests");
        QVERIFY(x.program.endsCleanlyWithin(3000));
        QCOMPARE(x.program.folder().checksums(), untouched);
    }
};

QTEST_GUILESS_MAIN(MainWindowOnXTest)
#include "MainWindowOnXTest.moc"
