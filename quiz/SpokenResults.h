// What a screen reader is told of play, for keyboard and mouse drops alike: each
// result, said before anything else about it is told, so that a key pressed soon
// after cuts only what follows. Nothing is composed while nothing listens.
#pragma once

#include "quiz/PlaySession.h"
#include "shell/Announcer.h"

#include <QString>

#include <functional>
#include <optional>

namespace quiz {

namespace spoken {

QString placed(const QString &name, int placedCount);
QString notThere(const QString &name);
QString putBack(const QString &name);
QString newGame(int namesInList);
// Where the drop point lies on the map, said as it moves: screen readers do not
// speak a changed description.
QString dropPointPosition(TwipPoint p);
// The drop point's name, with the name it carries if any, alone or with its place.
QString dropPoint(const std::optional<QString> &carried);
QString dropPointAt(const QString &carried, TwipPoint p);

} // namespace spoken

class SpokenResults : public QObject
{
    Q_OBJECT

public:
    SpokenResults(const PlaySession &session, shell::Announcer &announcer);

private:
    void sayDrop(int entry, DropOutcome outcome, Input by);
    void say(const std::function<QString()> &text, shell::Announcer::Urgency urgency);

    const PlaySession &m_session;
    shell::Announcer &m_announcer;
};

} // namespace quiz
