#include "app/accessible/BoardToWords.h"

#include "quiz/BoardLayout.h"
#include "quiz/SpokenResults.h"

namespace app {

BoardToWords::BoardToWords(Form1 &form, shell::BoardInWords &words) : m_session(form.session()), m_words(words)
{
    m_words.pickUp = [this](int entry) { m_session.pickUp(entry); };
    m_words.dropAt = [this](int entry, QPointF at) { dropCarried(entry, at); };
    m_words.restart = [&form] { form.PushButton1_Click(); };
    m_words.exit = [&form] { form.PushButton2_Click(); };
    connect(&m_session, &quiz::PlaySession::boardChanged, this, &BoardToWords::tellNames);
    connect(&m_session, &quiz::PlaySession::pickChanged, this, &BoardToWords::tellDropPoint);
    connect(&m_session, &quiz::PlaySession::dropPointSteered, this, &BoardToWords::tellDropPoint);
    m_words.showPanel({quiz::kInstructionsHeading.text.toString(), quiz::kInstruction.text.toString(),
                       quiz::kCountriesHeading.text.toString(), quiz::kRestartCaption.toString(),
                       quiz::kExitCaption.toString()});
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
            names.append({k, board.labels(k).caption, board.listPlaceArea(place).toPixels()});
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

// As the mouse drags it: pressed where the list shows the name, let go at `at`.
void BoardToWords::dropCarried(int entry, QPointF at)
{
    const quiz::Board &board = m_session.board();
    if (entry < 0 || entry >= board.listEntryCount())
        return;
    const QPointF listed = board.listEntryArea(entry).toPixels().center();
    if (m_session.press(quiz::twipsFromPixels(listed)))
        m_session.release(quiz::twipsFromPixels(at), true);
}

} // namespace app
