// What sound costs the window's thread with the real player: starting the player
// once the window is up (loading the sound module and GStreamer), then each sound.
#pragma once

namespace bench {

void benchSoundStart();

} // namespace bench
