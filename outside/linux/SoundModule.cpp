// The entry of the sound module, which LazySoundPlayer loads after the first frame
// and finds by this name (LazySoundPlayer::kFactoryName).
#include "outside/linux/LinuxSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT shell::SoundPlayer *quillmere_create_sound_player(const QStringList &sounds)
{
    return new outside::LinuxSoundPlayer(sounds);
}
