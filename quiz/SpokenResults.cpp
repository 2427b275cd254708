#include "quiz/SpokenResults.h"

#include <QCoreApplication>

#include <cmath>

namespace quiz {

namespace spoken {

QString placed(const QString &name, int placedCount)
{
    return QCoreApplication::translate("Board", "%1 placed. %2 of %3.").arg(name).arg(placedCount).arg(kCountryCount);
}

QString notThere(const QString &name)
{
    return QCoreApplication::translate("Board", "Not there. %1 is back in the list.").arg(name);
}

QString putBack(const QString &name)
{
    return QCoreApplication::translate("Board", "%1 put back.").arg(name);
}

QString newGame(int namesInList)
{
    return QCoreApplication::translate("Board", "New game. %1 names in the list.").arg(namesInList);
}

QString dropPointPosition(TwipPoint p)
{
    const TwipRect &map = kDropPointArea;
    return QCoreApplication::translate("Board", "%1% across, %2% down")
        .arg(std::lround(100.0 * (p.x - map.left) / map.width))
        .arg(std::lround(100.0 * (p.y - map.top) / map.height));
}

QString dropPoint(const std::optional<QString> &carried)
{
    return carried ? QCoreApplication::translate("Board", "Drop point for %1").arg(*carried)
                   : QCoreApplication::translate("Board", "Drop point");
}

QString dropPointAt(const QString &carried, TwipPoint p)
{
    return QCoreApplication::translate("Board", "Drop point for %1: %2").arg(carried, dropPointPosition(p));
}

} // namespace spoken

SpokenResults::SpokenResults(const PlaySession &session, shell::Announcer &announcer)
    : m_session(session), m_announcer(announcer)
{
    using Urgency = shell::Announcer::Urgency;
    const Board &board = session.board();
    connect(&session, &PlaySession::dropped, this, &SpokenResults::sayDrop);
    connect(&session, &PlaySession::wentBack, this, [this, &board](int entry) {
        say([&] { return spoken::putBack(board.labels(entry).caption); }, Urgency::AtOnce);
    });
    connect(&session, &PlaySession::newGameBegun, this, [this, &board] {
        say([&] { return spoken::newGame(namesInList(board)); }, Urgency::AtOnce);
    });
    // Each step's position replaces the last one's.
    connect(&session, &PlaySession::dropPointSteered, this, [this](TwipPoint p) {
        say([&] { return spoken::dropPointPosition(p); }, Urgency::Polite);
    });
}

void SpokenResults::sayDrop(int entry, DropOutcome outcome, Input by)
{
    const Board &board = m_session.board();
    switch (outcome) {
    case DropOutcome::Placed:
        say([&] { return spoken::placed(board.labels(entry).caption, board.placedCount()); },
            shell::Announcer::Urgency::AtOnce);
        break;
    case DropOutcome::Wrong:
        say([&] { return spoken::notThere(board.labels(entry).caption); }, shell::Announcer::Urgency::AtOnce);
        break;
    case DropOutcome::Ignored:
    case DropOutcome::BackInList:
        // A pointer drop that nothing took changed nothing; a keyboard's is said, as the
        // player cannot see that nothing lies under the drop point.
        if (by == Input::Keys)
            say([&] { return spoken::notThere(board.labels(entry).caption); }, shell::Announcer::Urgency::AtOnce);
        break;
    case DropOutcome::Completed: // the new game that follows is said
        break;
    }
}

void SpokenResults::say(const std::function<QString()> &text, shell::Announcer::Urgency urgency)
{
    if (m_announcer.listening())
        m_announcer.say(text(), urgency);
}

} // namespace quiz
