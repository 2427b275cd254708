#include "quiz/SpokenResults.h"

#include "quiz/ListInWords.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace quiz {

namespace {

long percent(int twips, int from, int span)
{
    return std::lround(100.0 * (twips - from) / span);
}

// A step moves the drop point by less than a hundredth of the map: tenths tell
// each step from the last.
QString tenths(const BoardLanguage &language, int twips, int from, int span)
{
    QString number = QString::number(100.0 * (twips - from) / span, 'f', 1);
    if (QLocale(language.code()).decimalPoint() == u",")
        number.replace(u'.', u',');
    return number;
}

} // namespace

namespace spoken {

QString instructions()
{
    return QCoreApplication::translate(
               "Board",
               "Drag each country name to its proper place on the map. With the keyboard: Tab to the list of "
               "countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the "
               "drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape "
               "puts it back.")
        + u' '
        + QCoreApplication::translate("Board", "Ctrl with an arrow key takes the drop point to the next country that way.")
        + u' ' + QCoreApplication::translate("Board", "F1 says these instructions again.");
}

QString placed(const QString &name, int placedCount, int countryCount)
{
    return QCoreApplication::translate("Board", "%1 placed. %2 of %3.").arg(name).arg(placedCount).arg(countryCount);
}

QString notThere(const QString &name, const QString &where)
{
    return QCoreApplication::translate("Board", "Not there: %1. %2 is back in the list.").arg(where, name);
}

QString notThereWithFocus(const QString &where)
{
    //: A name the keys dropped where it does not belong; the focus, back on the name, says which.
    //: %1 is where it fell: "in the sea", "on Egypt".
    return QCoreApplication::translate("Board", "Not there: %1.").arg(where);
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
        .arg(percent(p.x, map.left, map.width))
        .arg(percent(p.y, map.top, map.height));
}

QString dropPointStep(const BoardLanguage &language, TwipPoint from, TwipPoint to)
{
    const TwipRect &map = kDropPointArea;
    if (to.x != from.x)
        return QCoreApplication::translate("Board", "%1% across").arg(tenths(language, to.x, map.left, map.width));
    if (to.y != from.y)
        return QCoreApplication::translate("Board", "%1% down").arg(tenths(language, to.y, map.top, map.height));
    return QCoreApplication::translate("Board", "Edge of the map");
}

QString ground(const Board &board, const CountryPlaces &places, TwipPoint p)
{
    const std::optional<int> country = countryAt(board, p);
    if (!country)
        return QCoreApplication::translate("Board", "Sea");
    if (board.maplabel(*country).visible)
        return board.maplabel(*country).caption;
    QStringList named;
    for (const int neighbour : places.neighbours(*country)) {
        if (board.maplabel(neighbour).visible)
            named.append(board.maplabel(neighbour).caption);
    }
    if (named.isEmpty())
        return QCoreApplication::translate("Board", "Country not yet named");
    return QCoreApplication::translate("Board", "Country not yet named, next to %1")
        .arg(listInWords(board.language(), named));
}

QString groundAndPosition(const QString &ground, TwipPoint p)
{
    return QCoreApplication::translate("Board", "%1. %2").arg(ground, dropPointPosition(p));
}

QString acrossBorder(const QString &ground)
{
    //: The drop point went from one country not yet named into another; %1 says the
    //: second as the ground under the drop point is said ("Country not yet named, next to Egypt").
    return QCoreApplication::translate("Board", "Across a border: %1").arg(ground);
}

QString fell(const Board &board, TwipPoint p)
{
    const std::optional<int> country = countryAt(board, p);
    if (!country)
        return QCoreApplication::translate("Board", "in the sea");
    if (board.maplabel(*country).visible)
        return QCoreApplication::translate("Board", "on %1").arg(board.maplabel(*country).caption);
    return QCoreApplication::translate("Board", "on a country not yet named");
}

QString noCountryThatWay()
{
    return QCoreApplication::translate("Board", "No more countries that way");
}

QString focusStayed(FocusMove move, QChar letter)
{
    switch (move) {
    case FocusMove::Letter: return QCoreApplication::translate("Board", "No name begins with %1").arg(letter);
    case FocusMove::Previous:
    case FocusMove::First: return QCoreApplication::translate("Board", "Top of the list");
    case FocusMove::Next:
    case FocusMove::Last: return QCoreApplication::translate("Board", "End of the list");
    //: Left or Right in the list of names, where no column lies on that side.
    case FocusMove::Left: return QCoreApplication::translate("Board", "No names to the left");
    //: Left or Right in the list of names, where no column lies on that side.
    case FocusMove::Right: return QCoreApplication::translate("Board", "No names to the right");
    }
    return {};
}

QString keyUnused(const std::optional<QString> &carried)
{
    if (carried) {
        //: A key that does nothing while a name is carried over the map. %1 is the name.
        return QCoreApplication::translate("Board", "%1 is carried: the arrow keys move it, Enter drops it, Escape puts it back.")
            .arg(*carried);
    }
    //: Escape in the list of names, where nothing is carried to put back.
    return QCoreApplication::translate("Board", "No name is carried: Enter picks up the focused name.");
}

QString dropPoint(const std::optional<QString> &carried)
{
    return carried ? QCoreApplication::translate("Board", "Drop point for %1").arg(*carried)
                   : QCoreApplication::translate("Board", "Drop point");
}

QString dropPointAt(const QString &carried, const QString &ground, TwipPoint p)
{
    return QCoreApplication::translate("Board", "Drop point for %1: %2. %3").arg(carried, ground, dropPointPosition(p));
}

} // namespace spoken

SpokenResults::SpokenResults(const PlaySession &session, shell::Announcer &announcer)
    : m_session(session), m_announcer(announcer)
{
    using Urgency = shell::Announcer::Urgency;
    const Board &board = session.board();
    connect(&session, &PlaySession::dropped, this, &SpokenResults::sayDrop);
    connect(&session, &PlaySession::pickChanged, this, &SpokenResults::sayPick);
    connect(&session, &PlaySession::dropPointSteered, this, &SpokenResults::saySteering);
    connect(&session, &PlaySession::wentBack, this, [this, &board](int entry) {
        say([&] { return spoken::putBack(board.labels(entry).caption); }, Urgency::AtOnce);
    });
    connect(&session, &PlaySession::newGameBegun, this, [this, &board] {
        say([&] { return spoken::newGame(namesInList(board)); }, Urgency::AtOnce);
    });
    connect(&session, &PlaySession::instructionsAsked, this,
            [this] { say([] { return spoken::instructions(); }, Urgency::AtOnce); });
    connect(&session, &PlaySession::focusStayed, this, [this](FocusMove move, QChar letter) {
        say([&] { return spoken::focusStayed(move, letter); }, Urgency::AtOnce);
    });
    connect(&session, &PlaySession::boxShowing, this, [this] { m_announcer.beforeBox(); });
    connect(&session, &PlaySession::keyUnused, this, [this, &board] {
        const std::optional<int> carried = m_session.carried();
        say([&] { return spoken::keyUnused(carried ? std::optional(board.labels(*carried).caption) : std::nullopt); },
            Urgency::AtOnce);
    });
}

void SpokenResults::sayDrop(int entry, DropOutcome outcome, Input by, TwipPoint at)
{
    const Board &board = m_session.board();
    // The keys' focus comes back onto a name they dropped wrong, and says it.
    const auto notThere = [&] {
        const QString where = spoken::fell(board, at);
        return by == Input::Keys ? spoken::notThereWithFocus(where) : spoken::notThere(board.labels(entry).caption, where);
    };
    switch (outcome) {
    case DropOutcome::Placed:
    case DropOutcome::Completed:
        say([&] { return spoken::placed(board.labels(entry).caption, board.placedCount(), board.countryCount()); },
            shell::Announcer::Urgency::AtOnce);
        break;
    case DropOutcome::Wrong:
        say(notThere, shell::Announcer::Urgency::AtOnce);
        break;
    case DropOutcome::Ignored:
    case DropOutcome::BackInList:
        // A pointer drop that nothing took changed nothing; a keyboard's is said, as the
        // player cannot see that nothing lies under the drop point.
        if (by == Input::Keys)
            say(notThere, shell::Announcer::Urgency::AtOnce);
        break;
    }
}

void SpokenResults::sayPick()
{
    const std::optional<int> carried = m_session.carried();
    if (!carried) {
        m_ground.reset();
        return;
    }
    const TwipPoint p = m_session.dropPoint();
    m_ground = groundAt(p);
    // The drop point takes the focus, which names it: its words say where it lies.
    say([&] { return spoken::groundAndPosition(spoken::ground(m_session.board(), m_session.places(), p), p); },
        shell::Announcer::Urgency::AtOnce);
}

// Said when the drop point comes onto other ground, else how far it has gone: each
// step's words replace the last step's, and cut off no result.
void SpokenResults::saySteering(TwipPoint from, TwipPoint to, Steering by)
{
    const Ground now = groundAt(to);
    const bool changed = now != m_ground;
    // From one country not yet named into another, the same words would tell nothing.
    const bool crossed = changed && now.country && !now.named && m_ground && m_ground->country && !m_ground->named;
    m_ground = now;
    say(
        [&] {
            if (by == Steering::ToCountry && from == to)
                return spoken::noCountryThatWay();
            if (!changed)
                return spoken::dropPointStep(m_session.board().language(), from, to);
            QString ground = spoken::ground(m_session.board(), m_session.places(), to);
            if (crossed)
                ground = spoken::acrossBorder(ground);
            // A country reached in one jump and not yet named would tell nothing of
            // where it lies; a name already placed does.
            return by == Steering::ToCountry && !now.named ? spoken::groundAndPosition(ground, to) : ground;
        },
        shell::Announcer::Urgency::Polite);
}

SpokenResults::Ground SpokenResults::groundAt(TwipPoint p) const
{
    const std::optional<int> country = countryAt(m_session.board(), p);
    return {country, country && m_session.board().maplabel(*country).visible};
}

void SpokenResults::say(const std::function<QString()> &text, shell::Announcer::Urgency urgency)
{
    if (!m_announcer.listening())
        return;
    if (const QString words = text(); !words.isEmpty())
        m_announcer.say(words, urgency);
}

} // namespace quiz
