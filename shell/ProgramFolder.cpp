#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace shell {

ProgramFolder::ProgramFolder(QString path) : m_path(std::move(path)) {}

ProgramFolder ProgramFolder::ofExecutable()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::file(QStringView relative) const
{
    return QDir(m_path).filePath(relative.toString());
}

QStringList ProgramFolder::sounds() const
{
    return {file(files::kCorrectSound), file(files::kWrongSound), file(files::kCompleteSound)};
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

} // namespace shell
