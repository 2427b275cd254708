#include "outside/linux/LazySoundPlayer.h"

#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace outside {

namespace {

std::unique_ptr<shell::SoundPlayer> loadPlayer(const QString &folder)
{
    // Never unloaded: the player's code stays in use until the program ends.
    QLibrary module(QDir(folder).filePath(QLatin1String(LazySoundPlayer::kModuleName)));
    using Factory = shell::SoundPlayer *(*)();
    const auto create = reinterpret_cast<Factory>(module.resolve(LazySoundPlayer::kFactoryName));
    if (!create) {
        // Sounds fail quietly, as a file that cannot be played does.
        qWarning("No sound: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    return std::unique_ptr<shell::SoundPlayer>(create());
}

} // namespace

LazySoundPlayer::LazySoundPlayer(QString moduleFolder) : m_moduleFolder(std::move(moduleFolder)) {}
LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::load()
{
    if (!m_tried) {
        m_tried = true;
        m_player = loadPlayer(m_moduleFolder);
    }
}

void LazySoundPlayer::setUrl(const QString &path)
{
    load();
    if (m_player)
        m_player->setUrl(path);
}

void LazySoundPlayer::prepare()
{
    load();
    // No file plays nothing; the player makes itself ready on the way.
    if (m_player)
        m_player->setUrl(QString());
}

} // namespace outside
