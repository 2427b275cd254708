// Qt's message boxes in a web page, told to the page as well. Qt draws a box into
// the board's canvas, which a screen reader cannot read: while a box is open, its
// caption, text and button also stand in the page as an alert dialog, which it
// reads out, and which the phone's layout shows, as the canvas's box may lie beyond
// the map it shows. The dialog's button answers the box.
#pragma once

#include "outside/qt/QtPlatform.h"

namespace outside {

class PageMessageBox : public shell::MessageBox
{
public:
    void show(const shell::BoxRequest &request) override;
    // The page's button pressed: the box open on the board is answered.
    static void answerFromPage();

private:
    QtMessageBox m_box;
};

} // namespace outside
