// Tells a BoardInWords (a web page's accessible layer, which a phone's page also
// shows as its panel) what the window's board holds whenever it changes: the names
// still in the list and where each is shown, the panel's texts, and the drop
// point with the name it carries; and plays what the page asks for through the
// window's own calls: a name picked up, a name the page carried dropped at a
// point of the board, Restart and Exit.
#pragma once

#include "app/window/Form1.h"
#include "shell/BoardInWords.h"

#include <QObject>

namespace app {

class BoardToWords : public QObject
{
    Q_OBJECT

public:
    BoardToWords(Form1 &form, shell::BoardInWords &words);

private:
    void tellNames();
    void tellDropPoint();
    void dropCarried(int entry, QPointF at);

    quiz::PlaySession &m_session;
    shell::BoardInWords &m_words;
};

} // namespace app
