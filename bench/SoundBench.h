// What a drop's sound costs the window's thread with the real player: the first
// sound loads the sound module and makes the player; later ones start a file.
#pragma once

namespace bench {

void benchSoundStart();

} // namespace bench
