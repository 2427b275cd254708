// Qt's message boxes in a web page, told to the page as well. Qt draws a box into
// the board's canvas, which a screen reader cannot read: while a box is open, its
// caption and text also stand in the page as an alert dialog, which it reads out.
#pragma once

#include "outside/qt/QtPlatform.h"

namespace outside {

class PageMessageBox : public shell::MessageBox
{
public:
    void show(const shell::BoxRequest &request) override;

private:
    QtMessageBox m_box;
};

} // namespace outside
