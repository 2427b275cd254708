#include "outside/qt/SoundFiles.h"

#include "outside/qt/SoundAsPlayed.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace outside {

namespace {

// Only a regular file with something in it is a sound: a named pipe, say, would
// hold the reader for ever.
std::optional<SoundFiles::Stamp> stampOf(const QString &path)
{
#ifdef Q_OS_WIN
    const QFileInfo file(path);
    if (!file.isFile() || file.size() == 0)
        return std::nullopt;
    return SoundFiles::Stamp{file.size(), file.lastModified().toMSecsSinceEpoch() * 1000000, 0};
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0)
        return std::nullopt;
    return SoundFiles::Stamp{qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
                             quint64(status.st_ino)};
#endif
}

} // namespace

SharedPcm SoundFiles::soundAt(const QString &path)
{
    const std::optional<Stamp> stamp = stampOf(path);
    if (!stamp) {
        m_decoded.remove(path);
        return nullptr;
    }
    auto known = m_decoded.find(path);
    if (known != m_decoded.end() && known->stamp == *stamp)
        return known->sound;
    // Dropped before the new one is decoded, so both are never held at once.
    m_decoded.remove(path);
    SharedPcm sound = asPlayed(m_decode(path));
    m_decoded.insert(path, {*stamp, sound});
    return sound;
}

} // namespace outside
