// The seam for the sound player: the program plays through its platform's sound, tests
// may record what was asked for.
#pragma once

#include <QString>

namespace shell {

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the file at once, cutting off whatever plays. Does not wait,
    // and reports nothing when the file is missing or cannot be played.
    virtual void setUrl(const QString &path) = 0;
};

} // namespace shell
