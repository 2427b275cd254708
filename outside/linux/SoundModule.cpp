// The entry of the sound module, which LazySoundPlayer loads after the first frame
// and finds by this name (LazySoundPlayer::kFactoryName).
#include "outside/linux/MediaSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT shell::SoundPlayer *quillmere_create_sound_player()
{
    return new outside::MediaSoundPlayer;
}
