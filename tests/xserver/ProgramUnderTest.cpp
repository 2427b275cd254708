#include "ProgramUnderTest.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace xtest {

namespace {

const QString kExecutable = QStringLiteral("quillmere");

} // namespace

ProgramUnderTest::ProgramUnderTest()
{
    const QString built = QDir(qEnvironmentVariable("QUILLMERE_PROGRAM_DIR")).filePath(kExecutable);
    const QString copy = m_folder.file(kExecutable);
    QVERIFY2(QFile::copy(built, copy), qPrintable(built));
    QVERIFY(QFile::setPermissions(copy, QFile::permissions(built)));
}

void ProgramUnderTest::start(const XDesktop &desktop, const QStringList &settings)
{
    QProcessEnvironment environment = desktop.clientEnvironment();
    for (const QString &setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    m_process.setProcessEnvironment(environment);
    // Started from elsewhere, so only its own folder can lead the program to its files.
    m_process.setWorkingDirectory(QDir::tempPath());
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(m_folder.file(kExecutable), {});
    QVERIFY2(m_process.waitForStarted(10000), qPrintable(m_process.errorString()));
}

std::optional<XWindow> ProgramUnderTest::waitForMainWindow(const XDesktop &desktop) const
{
    return desktop.waitForWindow(pid(), kMainWindowTitle,
                                 [](const XWindow &w) { return w.geometry.size() == kClientSize; });
}

bool ProgramUnderTest::endsCleanlyWithin(int timeoutMs)
{
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit
        && m_process.exitCode() == 0;
}

} // namespace xtest
