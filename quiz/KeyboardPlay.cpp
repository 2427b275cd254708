#include "quiz/KeyboardPlay.h"

#include <algorithm>

namespace quiz {

namespace {

// The start of the pixel that holds `twips`.
constexpr int pixelStart(int twips)
{
    return twips / kTwipsPerPixel * kTwipsPerPixel;
}

} // namespace

KeyboardPlay::KeyboardPlay(const Board &board)
    : m_board(board),
      m_dropPoint{pixelStart(kDropPointArea.left + kDropPointArea.width / 2),
                  pixelStart(kDropPointArea.top + kDropPointArea.height / 2)}
{
}

void KeyboardPlay::moveFocus(FocusMove move, QChar letter)
{
    const int from = focusedEntry();
    if (from < 0)
        return;
    switch (move) {
    case FocusMove::Previous: m_focus = neighbourInList(m_board, from, -1); break;
    case FocusMove::Next: m_focus = neighbourInList(m_board, from, 1); break;
    case FocusMove::Left: m_focus = besideInList(m_board, from, false); break;
    case FocusMove::Right: m_focus = besideInList(m_board, from, true); break;
    case FocusMove::First: m_focus = endOfList(m_board, from, false); break;
    case FocusMove::Last: m_focus = endOfList(m_board, from, true); break;
    case FocusMove::Letter: m_focus = nextWithLetter(m_board, from, letter); break;
    }
}

void KeyboardPlay::moveDropPoint(int across, int down, bool bigSteps)
{
    const int step = bigSteps ? kBigDropStep : kSmallDropStep;
    m_dropPoint.x = std::clamp(m_dropPoint.x + across * step, pixelStart(kDropPointArea.left),
                               pixelStart(kDropPointArea.right() - 1));
    m_dropPoint.y = std::clamp(m_dropPoint.y + down * step, pixelStart(kDropPointArea.top),
                               pixelStart(kDropPointArea.bottom() - 1));
}

bool KeyboardPlay::moveDropPointToCountry(int across, int down)
{
    const std::optional<int> next = places().nextFrom(m_dropPoint, across, down);
    if (next)
        m_dropPoint = *places().inside(*next);
    return next.has_value();
}

const CountryPlaces &KeyboardPlay::places() const
{
    if (!m_places)
        m_places.emplace(m_board);
    return *m_places;
}

void KeyboardPlay::followDrop(int entry, DropOutcome outcome)
{
    if (outcome == DropOutcome::Placed)
        m_focus = inListFrom(m_board, m_board.entryAtListPlace((m_board.listPlace(entry) + 1) % m_board.listEntryCount()));
    else if (outcome == DropOutcome::Completed)
        m_focus = kFirstShown;
    else
        m_focus = entry;
}

} // namespace quiz
