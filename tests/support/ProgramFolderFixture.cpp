#include "ProgramFolderFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace testing {

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        if (relative == QLatin1String("quillmere"))
            continue;
        const QString target = QDir(to).filePath(relative);
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY2(QFile::copy(source, target), qPrintable(target));
    }
}

} // namespace

ProgramFolderFixture::ProgramFolderFixture(bool shipped)
{
    if (shipped)
        copyTree(qEnvironmentVariable("QUILLMERE_PROGRAM_DIR"), m_dir.path());
}

QString ProgramFolderFixture::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

void ProgramFolderFixture::write(const QString &relative, const QByteArray &bytes) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile out(target);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(bytes), bytes.size());
}

void ProgramFolderFixture::remove(const QString &relative) const
{
    QFile::remove(file(relative));
}

std::map<QString, QByteArray> ProgramFolderFixture::checksums() const
{
    std::map<QString, QByteArray> sums;
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        QByteArray sum = QByteArrayLiteral("dir");
        if (QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly)) {
            QCryptographicHash hash(QCryptographicHash::Sha256);
            hash.addData(&f);
            sum = hash.result().toHex();
        }
        sums[QDir(m_dir.path()).relativeFilePath(path)] = sum + QByteArray::number(QFileInfo(path).lastModified().toMSecsSinceEpoch());
    }
    return sums;
}

} // namespace testing
