// What sound costs the window's thread with the real player: starting the player
// once the window is up (loading the sound module and the libraries under it), then
// each sound, with a sound server and after it has gone away.
#pragma once

namespace testing {
class SoundServer;
}

namespace bench {

// Stops `server` half way.
void benchSoundStart(testing::SoundServer &server);

} // namespace bench
