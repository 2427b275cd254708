// The board told in words, for a platform whose screen readers cannot read the
// window at all (a web page, where the board is a picture on a canvas): the names
// still to place and where the drop point stands, told by an observer of play
// above the window, and the reader's way back into play, picking up a name as
// Enter on it does. Platforms that read the window itself need none.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace shell {

class BoardInWords
{
public:
    struct Name {
        int entry;
        QString text;
    };

    virtual ~BoardInWords() = default;
    // The names still in the list, in its order.
    virtual void showNames(const QList<Name> &names) = 0;
    // The carried name's drop point; an empty text while none is carried.
    virtual void showDropPoint(const QString &text) = 0;

    // Set by the observer: picks up list entry `entry`.
    std::function<void(int entry)> pickUp;
};

} // namespace shell
