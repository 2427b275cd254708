// The program's sound player. Qt Multimedia and the audio libraries under it take
// megabytes of memory and milliseconds to load, so the player lives in a module of
// its own beside the program, loaded once the window is up (prepare) or else on the
// first sound, never before the first frame.
#pragma once

#include "shell/SoundPlayer.h"

#include <memory>

namespace outside {

class LazySoundPlayer : public shell::SoundPlayer
{
public:
    // `moduleFolder` holds the module; the program's own folder unless a test says otherwise.
    explicit LazySoundPlayer(QString moduleFolder);
    ~LazySoundPlayer() override;

    void setUrl(const QString &path) override;
    // Loads the module and has the player start up, without a sound, so that the
    // first drop does not wait for it.
    void prepare();

    // Whether the module has been loaded and gave a player.
    bool loaded() const { return m_player != nullptr; }

    static constexpr const char *kModuleName = "quillmere-sound";
    static constexpr const char *kFactoryName = "quillmere_create_sound_player";

private:
    void load();

    QString m_moduleFolder;
    bool m_tried = false;
    std::unique_ptr<shell::SoundPlayer> m_player;
};

} // namespace outside
