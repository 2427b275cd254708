#include "app/startup/KeepGame.h"

namespace app {

KeepGame::KeepGame(quiz::PlaySession &session, shell::KeptGame &kept) : m_session(session), m_kept(kept)
{
    m_session.placeAgain(m_kept.placed());
    connect(&m_session, &quiz::PlaySession::boardChanged, this, &KeepGame::keep);
    keep();
}

void KeepGame::keep()
{
    QList<int> placed;
    const quiz::Board &board = m_session.board();
    for (int k = 0; k < board.listEntryCount(); ++k) {
        if (!board.labels(k).visible)
            placed.append(k);
    }
    m_kept.keep(placed);
}

} // namespace app
