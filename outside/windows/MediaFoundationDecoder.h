// Sound files decoded by Windows' Media Foundation, which reads WMA on every
// Windows without a codec of ours: 16-bit samples at the file's own rate and
// channels, at the game's volume.
#pragma once

#include "outside/qt/Pcm.h"

namespace outside {

// The sound in the file at `path`; null when it holds no sound Media Foundation can
// decode. Runs on the player's thread, which it readies for COM and Media Foundation.
DecodedPcm decodeWithMediaFoundation(const QString &path);

} // namespace outside
