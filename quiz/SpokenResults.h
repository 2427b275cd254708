// What a screen reader is told of play, for keyboard and mouse drops alike: each
// result, where the drop point has come to as it moves, and where a wrong drop fell.
// Nothing is composed while nothing listens.
#pragma once

#include "quiz/PlaySession.h"
#include "shell/Announcer.h"

#include <QString>

#include <functional>
#include <optional>

namespace quiz {

namespace spoken {

// How to play, with the keys too.
QString instructions();
QString placed(const QString &name, int placedCount, int countryCount);
// `where` is what fell() says.
QString notThere(const QString &name, const QString &where);
// The same where the focus is back on the name, and says it.
QString notThereWithFocus(const QString &where);
QString putBack(const QString &name);
QString newGame(int namesInList);
// Where the drop point lies on the map, both ways, and along one way after a step.
QString dropPointPosition(TwipPoint p);
QString dropPointStep(const BoardLanguage &language, TwipPoint from, TwipPoint to);
// What lies under a point of the map, as a sighted pupil sees it: the sea, a placed
// name, or a country not yet named (never its name) with its placed neighbours.
QString ground(const Board &board, const CountryPlaces &places, TwipPoint p);
QString groundAndPosition(const QString &ground, TwipPoint p);
// The ground of a country not yet named, reached from another.
QString acrossBorder(const QString &ground);
// Where a dropped name fell: in the sea, on a placed name, on a country not yet named.
QString fell(const Board &board, TwipPoint p);
QString noCountryThatWay();
// A key that moves the focus in the list, when there is nowhere to move it; empty
// where nothing need be said.
QString focusStayed(FocusMove move, QChar letter);
// A key that has nothing to do, and why: what a carried name's keys do, or that none is carried.
QString keyUnused(const std::optional<QString> &carried);
// The drop point's name, with the name it carries if any, alone or with its place.
QString dropPoint(const std::optional<QString> &carried);
QString dropPointAt(const QString &carried, const QString &ground, TwipPoint p);

} // namespace spoken

class SpokenResults : public QObject
{
    Q_OBJECT

public:
    SpokenResults(const PlaySession &session, shell::Announcer &announcer);

private:
    // What lies under a point, as far as its words go.
    struct Ground {
        std::optional<int> country;
        bool named = false;
        bool operator==(const Ground &) const = default;
    };

    void sayDrop(int entry, DropOutcome outcome, Input by, TwipPoint at);
    void sayPick();
    void saySteering(TwipPoint from, TwipPoint to, Steering by);
    Ground groundAt(TwipPoint p) const;
    void say(const std::function<QString()> &text, shell::Announcer::Urgency urgency);

    const PlaySession &m_session;
    shell::Announcer &m_announcer;
    std::optional<Ground> m_ground;
};

} // namespace quiz
