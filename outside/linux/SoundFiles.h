// The sound files as last decoded, each kept with the size, time stamp and inode
// its file had then: a file changed since is decoded again, so a sound always
// plays what is on disk at the moment it is asked for, as a media player reading
// the file would. Checking costs one stat() of the file.
#pragma once

#include "outside/linux/DecodedSound.h"

#include <QHash>

namespace outside {

class SoundFiles
{
public:
    // The sound in the file now; null where the file is missing, empty or no sound.
    SharedPcm soundAt(const QString &path);

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        bool operator==(const Stamp &) const = default;
    };
    struct Decoded {
        Stamp stamp;
        SharedPcm sound;
    };
    QHash<QString, Decoded> m_decoded;
};

} // namespace outside
