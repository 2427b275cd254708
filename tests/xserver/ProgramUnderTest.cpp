#include "ProgramUnderTest.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace xtest {

namespace {

// Set where the program under test is the Windows build, run under Wine in this prefix.
const QString kWinePrefix = qEnvironmentVariable("QUILLMERE_WINE_PREFIX");
const QString kWine = QStringLiteral("/usr/lib/wine/wine64");
// Wine waits up to about three seconds for a window manager, which Xvfb lacks,
// before it lets a closed window go.
constexpr int kWineWindowRelease = 4000;

bool underWine()
{
    return !kWinePrefix.isEmpty();
}

QString executableName()
{
    return underWine() ? QStringLiteral("quillmere.exe") : QStringLiteral("quillmere");
}

} // namespace

ProgramUnderTest::ProgramUnderTest()
{
    // Web addresses go to a stand-in for the desktop's opener, which only says so,
    // and notes whether it was told to offer itself to assistive technology:
    // whatever browser the machine has, none starts.
    QFile opener(m_webOpener.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho \"web address handed over: $*\" >&2\n"
                 "echo \"$* QT_LINUX_ACCESSIBILITY_ALWAYS_ON=${QT_LINUX_ACCESSIBILITY_ALWAYS_ON-unset}\""
                 " >>\"$(dirname \"$0\")/handed-over\"\n");
    opener.close();
    QVERIFY(opener.setPermissions(opener.permissions() | QFile::ExeOwner));

    // The Windows build's folder holds its executable already; the Linux build's
    // folder has the executable beside it, in the build.
    if (underWine())
        return;
    const QString built = QDir(qEnvironmentVariable("QUILLMERE_PROGRAM_DIR")).filePath(executableName());
    const QString copy = m_folder.file(executableName());
    QVERIFY2(QFile::copy(built, copy), qPrintable(built));
    QVERIFY(QFile::setPermissions(copy, QFile::permissions(built)));
}

void ProgramUnderTest::start(const XDesktop &desktop, const QStringList &settings, const QStringList &arguments)
{
    QProcessEnvironment environment = desktop.clientEnvironment();
    // The home-page draw is decided, never the clock's: the test run's own
    // (QUILLMERE_HOME_PAGE_DRAW=7 opens the page on every start), else one that
    // leaves it shut.
    environment.insert(QStringLiteral("QUILLMERE_HOME_PAGE_DRAW"),
                       qEnvironmentVariable("QUILLMERE_HOME_PAGE_DRAW", QStringLiteral("1")));
    environment.insert(QStringLiteral("PATH"), m_webOpener.path() + u':' + environment.value(QStringLiteral("PATH")));
    // The board speaks English whatever the developer's desktop speaks, unless the
    // settings choose otherwise.
    environment.insert(QStringLiteral("QUILLMERE_LANGUAGE"), QStringLiteral("en"));
    if (underWine()) {
        environment.insert(QStringLiteral("WINEPREFIX"), kWinePrefix);
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        // Wine keeps the display its session began with: an earlier test's session,
        // on an X server now gone, must have ended.
        QProcess session;
        session.setProcessEnvironment(environment);
        session.start(QStringLiteral("/usr/lib/wine/wineserver"), {QStringLiteral("-w")});
        QVERIFY(session.waitForFinished(30000));
    }
    for (const QString &setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    m_process.setProcessEnvironment(environment);
    // Started from elsewhere, so only its own folder can lead the program to its files.
    m_process.setWorkingDirectory(QDir::tempPath());
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (underWine())
        m_process.start(kWine, QStringList{m_folder.file(executableName())} + arguments);
    else
        m_process.start(m_folder.file(executableName()), arguments);
    QVERIFY2(m_process.waitForStarted(10000), qPrintable(m_process.errorString()));
}

std::optional<XWindow> ProgramUnderTest::waitForMainWindow(const XDesktop &desktop) const
{
    return desktop.waitForWindow(pid(), kMainWindowTitle,
                                 [](const XWindow &w) { return w.geometry.size() == kClientSize; });
}

QStringList ProgramUnderTest::webAddressesHandedOver() const
{
    QFile log(m_webOpener.filePath(QStringLiteral("handed-over")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

bool ProgramUnderTest::endsCleanlyWithin(int timeoutMs)
{
    if (underWine())
        timeoutMs += kWineWindowRelease;
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit
        && m_process.exitCode() == 0;
}

} // namespace xtest
