// The sound files as last decoded, each kept with the stamp its file had then
// (size and time stamp, and the file's identity where the system gives one): a
// file changed since is decoded again, so a sound always plays what is on disk at
// the moment it is asked for, as a media player reading the file would. Checking
// costs one look at the file's status.
#pragma once

#include "outside/qt/Pcm.h"

#include <QHash>

namespace outside {

class SoundFiles
{
public:
    explicit SoundFiles(SoundDecoder decode) : m_decode(std::move(decode)) {}

    // The sound in the file now; null where the file is missing, empty or no sound.
    SharedPcm soundAt(const QString &path);

    struct Stamp {
        qint64 size = -1;
        qint64 modifiedNs = 0;
        quint64 identity = 0;
        bool operator==(const Stamp &) const = default;
    };

private:
    struct Decoded {
        Stamp stamp;
        SharedPcm sound;
    };
    SoundDecoder m_decode;
    QHash<QString, Decoded> m_decoded;
};

} // namespace outside
