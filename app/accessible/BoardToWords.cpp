#include "app/accessible/BoardToWords.h"

#include "quiz/BoardLayout.h"
#include "quiz/SpokenResults.h"

namespace app {

BoardToWords::BoardToWords(quiz::PlaySession &session, shell::BoardInWords &words)
    : m_session(session), m_words(words)
{
    m_words.pickUp = [this](int entry) { m_session.pickUp(entry); };
    connect(&session, &quiz::PlaySession::boardChanged, this, &BoardToWords::tellNames);
    connect(&session, &quiz::PlaySession::pickChanged, this, &BoardToWords::tellDropPoint);
    connect(&session, &quiz::PlaySession::dropPointSteered, this, &BoardToWords::tellDropPoint);
    tellNames();
    tellDropPoint();
}

void BoardToWords::tellNames()
{
    QList<shell::BoardInWords::Name> names;
    const quiz::Board &board = m_session.board();
    for (int place = 0; place < board.listEntryCount(); ++place) {
        const int k = board.entryAtListPlace(place);
        if (board.labels(k).visible)
            names.append({k, board.labels(k).caption});
    }
    m_words.showNames(names);
}

void BoardToWords::tellDropPoint()
{
    const std::optional<int> carried = m_session.carried();
    if (!carried) {
        m_words.showDropPoint({});
        return;
    }
    const quiz::Board &board = m_session.board();
    const quiz::TwipPoint p = m_session.dropPoint();
    m_words.showDropPoint(quiz::spoken::dropPointAt(board.labels(*carried).caption,
                                                    quiz::spoken::ground(board, m_session.places(), p), p));
}

} // namespace app
