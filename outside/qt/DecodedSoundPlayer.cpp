#include "outside/qt/DecodedSoundPlayer.h"

#include "outside/qt/SoundLibrary.h"

namespace outside {

DecodedSoundPlayer::DecodedSoundPlayer(std::unique_ptr<PcmDecoder> decoder, std::unique_ptr<PcmOutput> output)
    : m_library(new SoundLibrary(std::move(decoder), std::move(output)))
{
    m_thread.setObjectName(QStringLiteral("Sound"));
    m_library->moveToThread(&m_thread);
    // Deleted on its own thread, where the decoder and the output were used.
    QObject::connect(&m_thread, &QThread::finished, m_library, &QObject::deleteLater);
}

DecodedSoundPlayer::~DecodedSoundPlayer()
{
    if (m_thread.isRunning()) {
        m_thread.quit();
        m_thread.wait();
    } else {
        delete m_library;
    }
}

// Started with the first request, so that a program that never plays has no thread.
void DecodedSoundPlayer::startThread()
{
    if (!m_thread.isRunning())
        m_thread.start();
}

void DecodedSoundPlayer::setUrl(const QString &path)
{
    startThread();
    QMetaObject::invokeMethod(m_library, [library = m_library, path] { library->play(path); }, Qt::QueuedConnection);
}

void DecodedSoundPlayer::prepare(const QStringList &paths)
{
    startThread();
    for (const QString &path : paths)
        QMetaObject::invokeMethod(m_library, [library = m_library, path] { library->decodeAhead(path); },
                                  Qt::QueuedConnection);
}

} // namespace outside
