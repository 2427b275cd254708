// A program folder of its own for each test: a copy of the shipped files in a
// temporary directory, which a test may change before the window starts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

namespace testing {

class ProgramFolderFixture
{
public:
    // With `shipped`, the folder starts with the files the build lays beside the program.
    explicit ProgramFolderFixture(bool shipped = true);

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    void remove(const QString &relative) const;

    // Every file below the folder with a checksum of its content, to show nothing was written.
    std::map<QString, QByteArray> checksums() const;

private:
    QTemporaryDir m_dir;
};

} // namespace testing
