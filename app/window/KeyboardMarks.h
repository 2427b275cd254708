// The marks of keyboard play, painted over the board only while the keyboard is in
// use: a band behind the focused name, a ring round the focused push button, and
// the drop point carrying its name. Band and ring stand out from the blue panel (at
// least 3:1); the drop point is drawn in black and white, so that it shows on every
// colour of the map.
#pragma once

#include "quiz/Board.h"
#include "quiz/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>
#include <QString>

#include <optional>

class QPainter;

namespace app {

struct KeyboardFocus {
    // The focused name of the list, with its caption as the list shows it.
    std::optional<int> entry;
    QString entryCaption;
    // The drop point and the name it carries.
    std::optional<quiz::TwipPoint> dropPoint;
    QString carriedName;
    // The focused push button, in window pixels.
    std::optional<QRect> button;

    bool operator==(const KeyboardFocus &) const = default;
};

class KeyboardMarks
{
public:
    // Marks on `board`, its list laid in its reading direction.
    explicit KeyboardMarks(const quiz::Board &board);

    static const QColor kRingColour;
    static const QColor kTextOnRing;

    void paint(QPainter &painter, const KeyboardFocus &focus) const;
    // The window area the marks of `focus` cover.
    QRegion area(const KeyboardFocus &focus) const;

private:
    QFont entryFont(int entry, const QString &caption) const;
    QRect entryBand(int entry, const QString &caption) const;
    QRect nameTag(quiz::TwipPoint dropPoint, const QString &name) const;

    const quiz::Board &m_board;
    QFont m_listFont;
    QFont m_tagFont;
};

} // namespace app
