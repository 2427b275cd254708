// The board told in words, for a platform whose screen readers cannot read the
// window at all (a web page, where the board is a picture on a canvas): the names
// still to place, where the board shows each, the panel's texts, and where the
// drop point stands, told by an observer of play above the window; and the page's
// ways back into play: picking up a name as Enter on it does, dropping a name the
// page carried itself (a finger on a phone's list of names) at a point of the
// board, and the panel's two buttons. Platforms that read the window itself need
// none.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

namespace shell {

class BoardInWords
{
public:
    struct Name {
        int entry;
        QString text;
        // Where the board shows it, in the board's pixels.
        QRectF place;
    };
    // The panel's own texts, in the board's language.
    struct Panel {
        QString instructionsHeading;
        QString instruction;
        QString countriesHeading;
        QString restart;
        QString exit;
    };

    virtual ~BoardInWords() = default;
    // The names still in the list, in its order.
    virtual void showNames(const QList<Name> &names) = 0;
    // The carried name's drop point; an empty text while none is carried.
    virtual void showDropPoint(const QString &text) = 0;
    virtual void showPanel(const Panel &panel) = 0;

    // Set by the observer: picks up list entry `entry`.
    std::function<void(int entry)> pickUp;
    // Set by the observer: list entry `entry` let go at `at`, in the board's pixels,
    // judged as a pointer's drop there.
    std::function<void(int entry, QPointF at)> dropAt;
    // Set by the observer: the panel's buttons pressed.
    std::function<void()> restart;
    std::function<void()> exit;
};

} // namespace shell
