// A board set up from a program folder, as start-up leaves it, with recorders
// for the boxes and sounds.
#pragma once

#include "FakePlatform.h"
#include "ProgramFolderFixture.h"

#include "quiz/BoardSetUp.h"
#include "quiz/DropRules.h"
#include "quiz/Quiz.h"
#include "shell/ErrorTrap.h"

namespace testing {

struct ReadyBoard {
    ProgramFolderFixture folder;
    FakePlatform outside;
    quiz::Board board;
    quiz::Quiz quiz{board, outside.boxes, outside.sound, shell::ProgramFolder(folder.path()), outside.collation};

    // Runs the set-up of a board in `language`; `prepare` may change the folder first.
    template<class Prepare>
    explicit ReadyBoard(Prepare &&prepare, quiz::BoardLanguage language = {},
                        std::shared_ptr<const quiz::BoardDefinition> definition = quiz::BoardDefinition::tables())
        : board(std::move(language), std::move(definition))
    {
        prepare(folder);
        shell::ErrorTrap trap(outside.boxes, QStringLiteral("Form1.Form_Load"));
        quiz::setUpBoard(quiz, trap);
    }
    explicit ReadyBoard(quiz::BoardLanguage language = {},
                        std::shared_ptr<const quiz::BoardDefinition> definition = quiz::BoardDefinition::tables())
        : ReadyBoard([](ProgramFolderFixture &) {}, std::move(language), std::move(definition))
    {
    }

    // Drop target `index` judges list entry `source`; the map's completion follows, as in play.
    quiz::DropOutcome dropOn(int index, int source);
    // The report lines of the boxes shown so far, in order.
    QList<int> reportLines() const;
    QString soundFile(QStringView relative) const { return quiz.folder.file(relative); }
};

// A point inside hotspot i that no later (frontmost) hotspot covers.
quiz::TwipPoint pointOnHotspot(int i);
// The centre of the area two rectangles share.
quiz::TwipPoint sharedPoint(const quiz::TwipRect &a, const quiz::TwipRect &b);

} // namespace testing
