// How long after a drop its sound is heard: the real program on an X server of
// the benchmark's own, playing to a PulseAudio server of its own, with drops made
// by the real pointer and the server's output recorded. `paplay`, started at a
// known moment in the same run, is the floor.
#pragma once

namespace testing {
class SoundServer;
}

namespace bench {

void benchDropToSound(const testing::SoundServer &server);

} // namespace bench
