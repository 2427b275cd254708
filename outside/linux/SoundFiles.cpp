#include "outside/linux/SoundFiles.h"

#include <QFile>

#include <sys/stat.h>

namespace outside {

SharedPcm SoundFiles::soundAt(const QString &path)
{
    struct stat status {};
    // Only a regular file is read: a named pipe, say, would hold the reader for ever.
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0) {
        m_decoded.remove(path);
        return nullptr;
    }
    const Stamp stamp{qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
                      quint64(status.st_ino)};
    auto known = m_decoded.find(path);
    if (known != m_decoded.end() && known->stamp == stamp)
        return known->sound;
    // Dropped before the new one is decoded, so both are never held at once.
    m_decoded.remove(path);
    SharedPcm sound = decodeSoundFile(path);
    m_decoded.insert(path, {stamp, sound});
    return sound;
}

} // namespace outside
