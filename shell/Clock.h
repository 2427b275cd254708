// The seam for the time of day.
#pragma once

namespace shell {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
};

} // namespace shell
