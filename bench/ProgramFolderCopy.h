// A copy of the built program folder in a temporary directory, so a benchmark runs
// the program as it ships without touching the build.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bench {

class ProgramFolderCopy
{
public:
    ProgramFolderCopy();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
};

} // namespace bench
