// Tells a BoardInWords (a web page's accessible layer) what the play session's
// board holds whenever it changes: the names still in the list, and the drop point
// with the name it carries; and picks up the names its reader chooses.
#pragma once

#include "quiz/PlaySession.h"
#include "shell/BoardInWords.h"

#include <QObject>

namespace app {

class BoardToWords : public QObject
{
    Q_OBJECT

public:
    BoardToWords(quiz::PlaySession &session, shell::BoardInWords &words);

private:
    void tellNames();
    void tellDropPoint();

    quiz::PlaySession &m_session;
    shell::BoardInWords &m_words;
};

} // namespace app
