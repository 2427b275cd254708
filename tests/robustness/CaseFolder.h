// A program folder that a test spoils on purpose: the shipped files in a temporary
// directory, then changed. Everything below that directory is watched for writes,
// also when the program folder has moved into a subfolder of it.
#pragma once

#include "ProgramFolderFixture.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

namespace testing {

class CaseFolder
{
public:
    // A copy of the shipped files in a temporary directory of its own.
    CaseFolder();
    // A program folder that another fixture keeps and watches, such as the one a
    // real-X test starts the program from.
    explicit CaseFolder(QString path);
    // Gives write permission back, so the temporary directory can go.
    ~CaseFolder();

    QString path() const { return m_path; }
    QString file(const QString &relative) const;
    // Of the folder's own temporary directory.
    std::map<QString, QByteArray> checksums() const { return m_root->checksums(); }

    QByteArray read(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    // `chunk` over and over until the file holds `size` bytes, never all in memory.
    void writeRepeated(const QString &relative, const QByteArray &chunk, qint64 size) const;
    void remove(const QString &relative) const;
    void replaceWithFolder(const QString &relative) const;
    void replaceWithPipe(const QString &relative) const;
    void denyReading(const QString &relative) const;
    // Moves the program folder, files and all, to `relative` below where it was.
    void moveTo(const QString &relative);
    void makeReadOnly() const;

    // Whether a file without read permission is unreadable for this user (not for root).
    static bool permissionsBind();

private:
    std::unique_ptr<ProgramFolderFixture> m_root;
    QString m_top;
    QString m_path;
};

} // namespace testing
