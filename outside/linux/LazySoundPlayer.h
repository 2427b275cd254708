// The program's sound player. FFmpeg, libpulse and the libraries under them take
// megabytes of memory and milliseconds to load, so the player lives in a module of
// its own beside the program, loaded once the window is up (prepare) or else on the
// first sound, never before the first frame.
#pragma once

#include "shell/SoundPlayer.h"

#include <QStringList>

#include <future>
#include <memory>

namespace outside {

class LazySoundPlayer : public shell::SoundPlayer
{
public:
    // `moduleFolder` holds the module; the program's own folder unless a test says otherwise.
    explicit LazySoundPlayer(QString moduleFolder);
    ~LazySoundPlayer() override;

    // Waits for the module, if prepare() is still loading it.
    void setUrl(const QString &path) override;
    // Loads the module on a thread of its own, and has the player decode `sounds`
    // there, so that neither the window nor the first drop waits for them.
    void prepare(const QStringList &sounds);

    // Whether the module has been loaded and gave a player; waits for prepare()'s
    // loading, but loads nothing itself.
    bool loaded();

    static constexpr const char *kModuleName = "quillmere-sound";
    static constexpr const char *kFactoryName = "quillmere_create_sound_player";

private:
    void finishLoading();
    void load();

    QString m_moduleFolder;
    std::future<std::unique_ptr<shell::SoundPlayer>> m_loading;
    bool m_tried = false;
    std::unique_ptr<shell::SoundPlayer> m_player;
};

} // namespace outside
