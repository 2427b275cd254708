// A fault at start-up as the player meets it on a real X server: one report box
// before the window, and the window once the box is answered.
#include "ProgramOnX.h"
#include "ReferenceBox.h"

#include "app/startup/CursorFile.h"
#include "shell/BuildSettings.h"
#include "shell/ErrorTrap.h"
#include "shell/ProgramFolder.h"

#include <QFileInfo>
#include <QtTest>

using namespace xtest;

namespace {

const QString kReportCaption = QStringLiteral("Application Error");

// What the program's cursor reader says of the file, where the program finds it:
// in its own folder, with links resolved.
QString cursorFailure(const ProgramUnderTest &program)
{
    const shell::ProgramFolder folder(QFileInfo(program.folder().path()).canonicalFilePath());
    try {
        app::loadCursorFile(folder.file(shell::files::kCursor));
    } catch (const shell::Failure &failure) {
        return failure.description();
    }
    return {};
}

} // namespace

class StartUpReportOnXTest : public QObject
{
    Q_OBJECT

private slots:
    void corruptPointerFileGivesOneReportThenTheWindow()
    {
        ProgramOnX x;
        QVERIFY2(x.display.isRunning(), qPrintable(x.display.failure()));
        x.program.folder().write(shell::files::kCursor.toString(), QByteArray("not a cursor at all\n").repeated(20));
        const QString description = cursorFailure(x.program);
        QVERIFY2(!description.isEmpty(), "the cursor reader took the corrupt file");
        const shell::BoxRequest report{
            shell::errorReportText(description, QStringLiteral("Form1.Form_Load"), 106, shell::supportEmailAddress()),
            kReportCaption, shell::BoxRequest::Icon::Warning};
        const QImage expected = expectedBoxPicture(x.desktop, report);
        QVERIFY2(!expected.isNull(), "the box helper never showed its box");
        const auto untouched = x.program.folder().checksums();

        x.program.start(x.desktop);
        const std::optional<XWindow> box = x.desktop.waitForWindow(x.program.pid(), kReportCaption);
        QVERIFY(box);
        QVERIFY2(x.desktop.windows(x.program.pid(), kMainWindowTitle).isEmpty(), "the window showed before the report");
        QTRY_COMPARE_WITH_TIMEOUT(x.desktop.focusedWindow(), box->id, 5000);
        QVERIFY(waitUntilShows(x.desktop, box->id, expected));

        x.desktop.pressKey(QStringLiteral("Return"));
        const bool windowShown = bool(x.program.waitForMainWindow(x.desktop));
        QVERIFY2(x.desktop.windows(x.program.pid(), kReportCaption).isEmpty(), "a second report");
        QVERIFY2(windowShown, "no window after the report");
        QCOMPARE(x.program.folder().checksums(), untouched);
    }
};

QTEST_GUILESS_MAIN(StartUpReportOnXTest)
#include "StartUpReportOnXTest.moc"
