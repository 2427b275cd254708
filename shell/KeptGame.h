// A game kept while the page it is played in is reloaded (a phone's browser reloads
// a tab it put aside, or one whose drawing it lost): told the names placed
// whenever they change, it hands them back when the program starts again in that
// page. Only a page's own session keeps it; the desktop keeps nothing, as designed.
#pragma once

#include <QList>

namespace shell {

class KeptGame
{
public:
    virtual ~KeptGame() = default;
    // The list entries placed when the game was last kept; none when nothing was.
    virtual QList<int> placed() = 0;
    // An empty list forgets the game (a new one begun).
    virtual void keep(const QList<int> &placed) = 0;
};

} // namespace shell
