// The board told in words in a web page, whose screen readers cannot read the
// board's canvas: the page's accessible layer (page-accessible.js) lists the names
// still to place as buttons, which pick a name up, and describes the drop point.
#pragma once

#include "shell/BoardInWords.h"

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

    // The page's pick, handed to whoever set pickUp.
    static void pickUpFromPage(int entry);
};

} // namespace outside
