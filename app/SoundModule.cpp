// The entry of the sound module, which LazySoundPlayer loads after the first frame
// and finds by this name (LazySoundPlayer::kFactoryName).
#include "app/MediaSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT quiz::SoundPlayer *quillmere_create_sound_player()
{
    return new app::MediaSoundPlayer;
}
