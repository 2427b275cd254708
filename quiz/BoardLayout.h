// Where everything on the window lies, apart from the hotspot, slot and leader-line
// tables in BoardTables.h. All values are twips from the client area's top-left corner.
#pragma once

#include "quiz/BoardText.h"
#include "quiz/Twips.h"

#include <QStringView>
#include <QtCore/qnamespace.h>

namespace quiz {

inline constexpr int kClientWidth = 14985;
inline constexpr int kClientHeight = 10590;
inline constexpr TwipRect kClientRect{0, 0, kClientWidth, kClientHeight};

// Pictures are stretched into these rectangles, each axis on its own; whatever
// falls outside the client area is cut off.
inline constexpr TwipRect kMapPictureRect{30, -180, 8625, 10890};    // Image1
inline constexpr TwipRect kPanelPictureRect{8700, -120, 6285, 10815}; // Image3
// Where the keyboard's drop point can go: the map as the window shows it.
inline constexpr TwipRect kDropPointArea{kMapPictureRect.left, 0, kMapPictureRect.width, kClientHeight};

// The one drop target that exists before set-up, parked in the side panel.
inline constexpr TwipRect kFirstDropTargetRect{14130, 7980, 765, 225};

// A name list: two columns, counted down the first and on down the second; each
// entry is taller than the spacing, so neighbours overlap and the later lies in front.
struct ListLayout {
    int entryCount = 0;
    int leftColumnEntries = 0;
    TwipRect leftColumnFirst;
    TwipRect rightColumnFirst;
    int spacing = 0;

    constexpr TwipRect entryRect(int place) const
    {
        const bool left = place < leftColumnEntries;
        TwipRect r = left ? leftColumnFirst : rightColumnFirst;
        r.top += spacing * (left ? place : place - leftColumnEntries);
        return r;
    }
};

// The list of the board of the country tables: each entry is 75 twips taller than the spacing.
inline constexpr int kListEntryCount = 48;
inline constexpr int kLeftColumnEntries = 27;
inline constexpr int kListSpacing = 210;
inline constexpr TwipRect kLeftColumnFirst{8760, 1440, 3630, 285};
inline constexpr TwipRect kRightColumnFirst{12450, 1440, 2460, 285};
inline constexpr ListLayout kTablesList{kListEntryCount, kLeftColumnEntries, kLeftColumnFirst, kRightColumnFirst,
                                        kListSpacing};

constexpr TwipRect listEntryRect(int k)
{
    return kTablesList.entryRect(k);
}

// The side panel reads in the board's language: a right-to-left language mirrors
// its elements within it (the list's columns, the headings, the buttons), as its
// readers start at the right. The map and everything on it never mirror.
constexpr TwipRect inReadingDirection(TwipRect r, Qt::LayoutDirection direction)
{
    if (direction == Qt::RightToLeft)
        r.left = kPanelPictureRect.left + kClientWidth - r.right();
    return r;
}

struct Heading {
    TwipRect rect;
    BoardText text;
    bool bold;
};

inline constexpr Heading kInstructionsHeading{
    {9090, 270, 1785, 255}, {QT_TRANSLATE_NOOP("Board", "INSTRUCTIONS")}, true}; // Label1
inline constexpr Heading kInstruction{
    {9060, 540, 5445, 315}, {QT_TRANSLATE_NOOP("Board", "DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP")},
    false}; // Label2
inline constexpr Heading kCountriesHeading{
    {9090, 1020, 1785, 255}, {QT_TRANSLATE_NOOP("Board", "COUNTRIES :")}, true}; // Label3

inline constexpr TwipRect kRestartButtonRect{8880, 9600, 2880, 405}; // PushButton1
inline constexpr TwipRect kExitButtonRect{11880, 9600, 2880, 405};   // PushButton2
inline constexpr BoardText kRestartCaption{QT_TRANSLATE_NOOP("Board", "Restart")};
inline constexpr BoardText kExitCaption{QT_TRANSLATE_NOOP("Board", "Exit")};

// Text1 lies right of the client area: never seen, and never given the focus.
inline constexpr TwipRect kHiddenTextBoxRect{15120, 1830, 1335, 345};

// Captions as laid out, before set-up fills them in.
inline constexpr QStringView kListEntryDesignCaption = u"Label3";
inline constexpr QStringView kSlotDesignCaption = u"*************";

// Font sizes in pixels, as 8.25 pt and 11.25 pt come out at 96 dpi, so the layout
// does not move with the screen's dpi setting.
inline constexpr int kSmallTextPixels = 11;
inline constexpr int kLargeTextPixels = 15;

} // namespace quiz
