// Keeps the window's game in a KeptGame (the page's session) whenever its names
// change, and places again, once, the names kept there before a reload.
#pragma once

#include "quiz/PlaySession.h"
#include "shell/KeptGame.h"

#include <QObject>

namespace app {

class KeepGame : public QObject
{
    Q_OBJECT

public:
    KeepGame(quiz::PlaySession &session, shell::KeptGame &kept);

private:
    void keep();

    quiz::PlaySession &m_session;
    shell::KeptGame &m_kept;
};

} // namespace app
