// The seam for the sound player: the program plays through Qt Multimedia, tests
// may record what was asked for.
#pragma once

#include <QString>

namespace quiz {

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the file at once, cutting off whatever plays. Does not wait,
    // and reports nothing when the file is missing or cannot be played.
    virtual void setUrl(const QString &path) = 0;
};

} // namespace quiz
