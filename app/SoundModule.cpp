// The entry of the sound module, which LazySoundPlayer loads on the first sound and
// finds by this name (LazySoundPlayer::kFactoryName).
#include "app/MediaSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT quiz::SoundPlayer *quillmere_create_sound_player()
{
    return new app::MediaSoundPlayer;
}
