// The folder that holds the program, and the files the program reads from it.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace shell {

// Files beside the program, relative to the program folder.
namespace files {
inline constexpr QStringView kSkin = u"x/o.cjs";
inline constexpr QStringView kCursor = u"HAND-M.CUR";
inline constexpr QStringView kCountryList = u"items.txt";
inline constexpr QStringView kCorrectSound = u"sounds/correct.wma";
inline constexpr QStringView kWrongSound = u"sounds/wrong.wma";
inline constexpr QStringView kCompleteSound = u"sounds/complete.wma";
} // namespace files

class ProgramFolder
{
public:
    explicit ProgramFolder(QString path);
    // The folder of the running executable.
    static ProgramFolder ofExecutable();

    const QString &path() const { return m_path; }
    QString file(QStringView relative) const;
    // The game's three sounds, which the sound player decodes ahead.
    QStringList sounds() const;

private:
    QString m_path;
};

// True when the file's last-modified date can be read; any failure means false.
bool FileExists(const QString &path);

} // namespace shell
