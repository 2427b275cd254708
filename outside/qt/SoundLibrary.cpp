#include "outside/qt/SoundLibrary.h"

#include <QFileInfo>

namespace outside {

SoundLibrary::SoundLibrary(std::unique_ptr<PcmDecoder> decoder, std::unique_ptr<PcmOutput> output)
    : m_decoder(std::move(decoder)), m_output(std::move(output))
{
}

// The output goes before the decoder, as the sounds it plays may come from it.
SoundLibrary::~SoundLibrary()
{
    m_output.reset();
}

std::shared_ptr<const PcmSound> SoundLibrary::soundFor(const QString &path)
{
    const QFileInfo file(path);
    // Neither a folder nor a named pipe is a sound, and reading a pipe would wait for a writer.
    if (!file.isFile() || file.size() == 0) {
        m_decoded.remove(path);
        return nullptr;
    }
    const auto known = m_decoded.constFind(path);
    if (known != m_decoded.cend() && known->size == file.size() && known->modified == file.lastModified())
        return known->sound;
    Decoded decoded{file.size(), file.lastModified(), nullptr};
    if (std::optional<PcmSound> sound = m_decoder->decode(path))
        decoded.sound = std::make_shared<const PcmSound>(std::move(*sound));
    m_decoded.insert(path, decoded);
    return decoded.sound;
}

void SoundLibrary::play(const QString &path)
{
    if (std::shared_ptr<const PcmSound> sound = soundFor(path))
        m_output->play(std::move(sound));
    else
        m_output->stop();
}

void SoundLibrary::decodeAhead(const QString &path)
{
    soundFor(path);
}

} // namespace outside
