// The game kept in the page's own session (page-kept-game.js, in the tab's
// sessionStorage), which the browser forgets when the tab is closed.
#pragma once

#include "shell/KeptGame.h"

namespace outside {

class PageKeptGame : public shell::KeptGame
{
public:
    QList<int> placed() override;
    void keep(const QList<int> &placed) override;
};

} // namespace outside
