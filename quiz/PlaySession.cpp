#include "quiz/PlaySession.h"

#include "quiz/DropRules.h"
#include "quiz/NewGame.h"

namespace quiz {

class PlaySession::NoticedBoxes : public shell::MessageBox
{
public:
    NoticedBoxes(PlaySession &session, shell::MessageBox &boxes) : m_session(session), m_boxes(boxes) {}

    void show(const shell::BoxRequest &request) override
    {
        emit m_session.boardChanged();
        emit m_session.boxShowing();
        m_boxes.show(request);
    }

private:
    PlaySession &m_session;
    shell::MessageBox &m_boxes;
};

PlaySession::PlaySession(shell::MessageBox &boxes, shell::SoundPlayer &sound, shell::ProgramFolder folder,
                         const shell::Collation &collation, BoardLanguage language,
                         std::shared_ptr<const BoardDefinition> definition)
    : m_board(std::move(language), std::move(definition)),
      m_boxes(std::make_unique<NoticedBoxes>(*this, boxes)),
      m_quiz{m_board, *m_boxes, sound, std::move(folder), collation},
      m_drag(m_quiz),
      m_keys(m_board)
{
}

PlaySession::~PlaySession() = default;

shell::MessageBox &PlaySession::boxes()
{
    return *m_boxes;
}

bool PlaySession::press(TwipPoint p)
{
    putBack();
    if (m_pickedBy || !m_drag.press(p))
        return false;
    m_pickedBy = Input::Pointer;
    emit pickChanged();
    return true;
}

void PlaySession::move(TwipPoint p)
{
    if (m_pickedBy == Input::Pointer)
        m_drag.move(p);
}

DropOutcome PlaySession::release(TwipPoint p, bool insideWindow)
{
    return m_pickedBy == Input::Pointer ? drop(Input::Pointer, p, insideWindow) : DropOutcome::Ignored;
}

void PlaySession::moveFocus(FocusMove move, QChar letter)
{
    const int before = m_keys.focusedEntry();
    m_keys.moveFocus(move, letter);
    if (m_keys.focusedEntry() == before)
        emit focusStayed(move, letter);
    emit keyboardChanged();
}

bool PlaySession::pickUp(int entry)
{
    if (m_pickedBy || !m_drag.pick(entry))
        return false;
    m_pickedBy = Input::Keys;
    m_keys.focus(entry);
    emit pickChanged();
    emit keyboardChanged();
    return true;
}

void PlaySession::steer(int across, int down, bool bigSteps)
{
    if (!carried())
        return;
    const TwipPoint from = m_keys.dropPoint();
    m_keys.moveDropPoint(across, down, bigSteps);
    emit dropPointSteered(from, m_keys.dropPoint(), Steering::Steps);
    emit keyboardChanged();
}

void PlaySession::steerToCountry(int across, int down)
{
    if (!carried())
        return;
    const TwipPoint from = m_keys.dropPoint();
    m_keys.moveDropPointToCountry(across, down);
    emit dropPointSteered(from, m_keys.dropPoint(), Steering::ToCountry);
    emit keyboardChanged();
}

DropOutcome PlaySession::dropAtDropPoint()
{
    return carried() ? drop(Input::Keys, m_keys.dropPoint(), true) : DropOutcome::Ignored;
}

void PlaySession::putBack()
{
    const std::optional<int> entry = carried();
    if (!entry)
        return;
    endPick();
    emit wentBack(*entry);
    emit keyboardChanged();
}

void PlaySession::abandon()
{
    if (m_pickedBy == Input::Keys)
        putBack();
    else if (m_pickedBy)
        endPick();
}

void PlaySession::newGame()
{
    cmdNewGame_Click(m_board, *m_boxes);
    m_keys.focusFirst();
    emit newGameBegun();
    emit boardChanged();
    emit keyboardChanged();
}

void PlaySession::placeAgain(const QList<int> &entries)
{
    quiz::placeAgain(m_quiz, entries);
    emit boardChanged();
    emit keyboardChanged();
}

DropOutcome PlaySession::drop(Input by, TwipPoint p, bool insideWindow)
{
    const int entry = *m_drag.source();
    // The pick is over before the drop is judged: its pointer is gone before any box shows.
    endPick();
    const DropOutcome outcome = m_drag.drop(entry, p, insideWindow);
    if (by == Input::Keys)
        m_keys.followDrop(entry, outcome);
    // The result first, then what it changed: a key pressed soon after cuts only what
    // follows it. The map's completion is told before its box shows.
    emit dropped(entry, outcome, by, p);
    emit boardChanged();
    emit keyboardChanged();
    if (outcome == DropOutcome::Completed) {
        completeMap(m_quiz);
        emit newGameBegun();
        emit boardChanged();
        emit keyboardChanged();
    }
    return outcome;
}

void PlaySession::endPick()
{
    m_drag.cancel();
    m_pickedBy.reset();
    emit pickChanged();
}

} // namespace quiz
