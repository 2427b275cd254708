#include "outside/linux/LazySoundPlayer.h"

#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace outside {

namespace {

std::unique_ptr<shell::SoundPlayer> loadPlayer(const QString &folder, const QStringList &sounds)
{
    // Never unloaded: the player's code stays in use until the program ends.
    QLibrary module(QDir(folder).filePath(QLatin1String(LazySoundPlayer::kModuleName)));
    using Factory = shell::SoundPlayer *(*)(const QStringList &);
    const auto create = reinterpret_cast<Factory>(module.resolve(LazySoundPlayer::kFactoryName));
    if (!create) {
        // Sounds fail quietly, as a file that cannot be played does.
        qWarning("No sound: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    return std::unique_ptr<shell::SoundPlayer>(create(sounds));
}

} // namespace

LazySoundPlayer::LazySoundPlayer(QString moduleFolder) : m_moduleFolder(std::move(moduleFolder)) {}
LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::finishLoading()
{
    if (m_loading.valid())
        m_player = m_loading.get();
}

void LazySoundPlayer::load()
{
    finishLoading();
    if (!m_tried) {
        m_tried = true;
        m_player = loadPlayer(m_moduleFolder, {});
    }
}

void LazySoundPlayer::setUrl(const QString &path)
{
    load();
    if (m_player)
        m_player->setUrl(path);
}

void LazySoundPlayer::prepare(const QStringList &sounds)
{
    if (m_tried)
        return;
    m_tried = true;
    m_loading = std::async(std::launch::async, loadPlayer, m_moduleFolder, sounds);
}

bool LazySoundPlayer::loaded()
{
    finishLoading();
    return m_player != nullptr;
}

} // namespace outside
