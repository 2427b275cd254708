#include "CaseFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryFile>
#include <QtTest>

#include <sys/stat.h>

namespace testing {

namespace {

void eachEntryBelow(const QString &folder, const std::function<void(const QString &)> &visit)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        visit(it.next());
}

} // namespace

CaseFolder::CaseFolder()
    : m_root(std::make_unique<ProgramFolderFixture>()), m_top(m_root->path()), m_path(m_top)
{
}

CaseFolder::CaseFolder(QString path) : m_top(path), m_path(std::move(path)) {}

CaseFolder::~CaseFolder()
{
    const auto writable = [](const QString &path) {
        if (QFileInfo(path).isDir())
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    writable(m_top);
    eachEntryBelow(m_top, writable);
}

QString CaseFolder::file(const QString &relative) const
{
    return QDir(m_path).filePath(relative);
}

QByteArray CaseFolder::read(const QString &relative) const
{
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(in.fileName()));
    return in.readAll();
}

void CaseFolder::write(const QString &relative, const QByteArray &bytes) const
{
    writeRepeated(relative, bytes, bytes.size());
}

void CaseFolder::writeRepeated(const QString &relative, const QByteArray &chunk, qint64 size) const
{
    remove(relative);
    QDir().mkpath(QFileInfo(file(relative)).path());
    QFile out(file(relative));
    QVERIFY2(out.open(QIODevice::WriteOnly), qPrintable(out.fileName()));
    for (qint64 written = 0; written < size; written += chunk.size())
        QVERIFY(out.write(chunk.left(size - written)) >= 0);
}

void CaseFolder::remove(const QString &relative) const
{
    const QString path = file(relative);
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

void CaseFolder::replaceWithFolder(const QString &relative) const
{
    remove(relative);
    QVERIFY(QDir().mkpath(file(relative)));
}

void CaseFolder::replaceWithPipe(const QString &relative) const
{
    remove(relative);
    QDir().mkpath(QFileInfo(file(relative)).path());
    QVERIFY(::mkfifo(QFile::encodeName(file(relative)).constData(), 0644) == 0);
}

void CaseFolder::denyReading(const QString &relative) const
{
    QVERIFY(QFile::setPermissions(file(relative), QFileDevice::WriteOwner));
}

void CaseFolder::moveTo(const QString &relative)
{
    const QString target = QDir(m_path).filePath(relative);
    const QString first = relative.section(u'/', 0, 0);
    QVERIFY(QDir().mkpath(target));
    for (const QString &entry : QDir(m_path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry != first)
            QVERIFY(QDir(m_path).rename(entry, QDir(target).filePath(entry)));
    }
    m_path = target;
}

void CaseFolder::makeReadOnly() const
{
    const auto readOnly = [](const QString &path) {
        QFile::setPermissions(path, QFile::permissions(path)
                                        & ~(QFileDevice::WriteOwner | QFileDevice::WriteGroup
                                            | QFileDevice::WriteOther | QFileDevice::WriteUser));
    };
    eachEntryBelow(m_path, readOnly);
    readOnly(m_path);
}

bool CaseFolder::permissionsBind()
{
    QTemporaryFile probe;
    if (!probe.open())
        return false;
    probe.close();
    QFile::setPermissions(probe.fileName(), QFileDevice::WriteOwner);
    return !QFile(probe.fileName()).open(QIODevice::ReadOnly);
}

} // namespace testing
