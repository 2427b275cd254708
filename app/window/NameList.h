// The list of names as the keyboard and assistive technology reach it: a widget
// with no paint of its own over the painted list, where the focus starts, before
// the buttons in the tab order. The mouse goes through it to the window, which
// paints the list and handles the widget's keys.
#pragma once

#include "quiz/Board.h"

#include <QWidget>

namespace app {

class NameList : public QWidget
{
    Q_OBJECT

public:
    // Over the list as `board` lays it out.
    NameList(QWidget *window, const quiz::Board &board);
};

} // namespace app
