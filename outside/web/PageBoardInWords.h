// The board told in words in a web page, whose screen readers cannot read the
// board's canvas: the page's accessible layer (page-accessible.js) lists the names
// still to place as buttons, which pick a name up, lays each over the place the
// board shows it, and describes the drop point. On a small screen the page shows
// that layer as its own panel (page-layout.js): the names a finger carries to the
// map, dropped through the program, and Restart and Exit.
#pragma once

#include "shell/BoardInWords.h"

#include <string>

namespace outside {

class PageBoardInWords : public shell::BoardInWords
{
public:
    PageBoardInWords();
    ~PageBoardInWords() override;
    PageBoardInWords(const PageBoardInWords &) = delete;
    PageBoardInWords &operator=(const PageBoardInWords &) = delete;

    void showNames(const QList<Name> &names) override;
    void showDropPoint(const QString &text) override;
    void showPanel(const Panel &panel) override;

    // The page's acts, handed to whoever set them: a pick, a drop at a point of the
    // board (its pixels), and a press of "restart" or "exit".
    static void pickUpFromPage(int entry);
    static void dropFromPage(int entry, double x, double y);
    static void pressFromPage(const std::string &button);
};

} // namespace outside
