// The real quiz window on a program folder of the test's own, started as the
// program starts it and shown on Qt's offscreen platform, with recorders for the
// outside world.
#pragma once

#include "FakePlatform.h"
#include "ProgramFolderFixture.h"

#include "app/window/Form1.h"

#include <QImage>
#include <QPoint>

namespace testing {

struct ShownWindow {
    ProgramFolderFixture folder;
    FakePlatform outside;
    app::Form1 form;

    // `boxes` and `announcer` stand in for the recorders; the board speaks `language`.
    explicit ShownWindow(shell::MessageBox *boxes = nullptr, shell::Announcer *announcer = nullptr,
                         quiz::BoardLanguage language = {});

    void drag(QPoint from, QPoint to);

    QImage picture() { return form.grab().toImage(); }
    // What the window shows now, as the offscreen platform holds it after the repaints so far.
    QImage shown();
    QImage fullPaint() { return picture().convertToFormat(QImage::Format_RGB32); }
};

} // namespace testing
