// The decoded sounds and the output stream, on the sound thread: what
// DecodedSoundPlayer hands its requests to.
#pragma once

#include "outside/qt/PcmDecoder.h"
#include "outside/qt/PcmOutput.h"

#include <QDateTime>
#include <QHash>
#include <QObject>

#include <memory>

namespace outside {

class SoundLibrary : public QObject
{
public:
    SoundLibrary(std::unique_ptr<PcmDecoder> decoder, std::unique_ptr<PcmOutput> output);
    ~SoundLibrary() override;

    void play(const QString &path);
    void decodeAhead(const QString &path);

private:
    struct Decoded {
        qint64 size = 0;
        QDateTime modified;
        // None for a file that could not be decoded, which is not tried again until it changes.
        std::shared_ptr<const PcmSound> sound;
    };

    std::shared_ptr<const PcmSound> soundFor(const QString &path);

    std::unique_ptr<PcmDecoder> m_decoder;
    std::unique_ptr<PcmOutput> m_output;
    QHash<QString, Decoded> m_decoded;
};

} // namespace outside
