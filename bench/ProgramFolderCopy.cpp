#include "ProgramFolderCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <stdexcept>

namespace bench {

ProgramFolderCopy::ProgramFolderCopy()
{
    const QDir source(QStringLiteral(QUILLMERE_PROGRAM_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = m_dir.filePath(source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).path());
        if (!QFile::copy(from, to))
            throw std::runtime_error("cannot copy " + from.toStdString());
    }
}

} // namespace bench
