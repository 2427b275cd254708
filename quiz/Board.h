// The state of every element on the quiz board, and which element lies at a point.
//
// Elements are addressed by index as on the window: labels(k) is list entry k,
// wherever the list shows it, maplabel(k) name slot k, shape(i) the outline of
// hotspot i, piccoor(i) its drop target, line(n) leader line n. An index outside
// its collection throws a Failure, which the error trap of the running handler reports.
#pragma once

#include "quiz/BoardDefinition.h"
#include "quiz/BoardLanguage.h"
#include "quiz/BoardLayout.h"
#include "quiz/ListOrder.h"
#include "shell/Collation.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace quiz {

struct ListEntry {
    QString caption{kListEntryDesignCaption.toString()};
    QString tag;
    // In a board in another language than English, the English name of the entry's
    // row, by which its drops are judged, once a name has filled the entry. Empty in
    // English, where the tag is judged.
    QString englishName;
    bool visible = true;
    // Set by the drag-over handler; while it is set, dragging shows the push-pin.
    bool hasDragIcon = false;
};

struct NameSlot {
    QString caption{kSlotDesignCaption.toString()};
    bool bold = false;
    bool visible = false;
};

struct HotspotOutline {
    TwipRect rect;
    QString tag;
    bool visible = true;
};

struct DropTarget {
    TwipRect rect;
    QString tag;
    bool visible = true;
};

enum class ElementKind {
    RestartButton,
    ExitButton,
    DropTarget,
    NameSlot,
    ListEntry,
    Heading, // index 1 to 3: Label1 to Label3
    PanelPicture,
    MapPicture,
    Surface,
};

struct BoardElement {
    ElementKind kind;
    int index = 0;
    bool operator==(const BoardElement &) const = default;
};

class Board
{
public:
    explicit Board(BoardLanguage language = {},
                   std::shared_ptr<const BoardDefinition> definition = BoardDefinition::tables());

    const BoardLanguage &language() const { return m_language; }
    const BoardDefinition &definition() const { return *m_definition; }
    int countryCount() const { return m_definition->countryCount(); }
    int listEntryCount() const { return m_definition->list.entryCount; }
    int leaderLineCount() const { return int(m_definition->leaders.size()); }
    int areaCount() const { return int(m_definition->areas.size()); }
    // Where a panel element lies on this board: mirrored in a right-to-left language.
    TwipRect inPanel(const TwipRect &designed) const { return inReadingDirection(designed, m_language.direction()); }
    // Where list entry k is shown, and where the entry at a place of the list is.
    TwipRect listEntryArea(int k) const { return listPlaceArea(listPlace(k)); }
    TwipRect listPlaceArea(int place) const { return inPanel(m_definition->list.entryRect(place)); }

    // The list shows its names in the order of the country list file where the board
    // keeps it; else in the language's alphabetical order, so a pupil finds a name where
    // a dictionary would have it. Set once the list is filled.
    void orderList(const shell::Collation &collation);
    int listPlace(int k) const;
    int entryAtListPlace(int place) const;

    ListEntry &labels(int k);
    const ListEntry &labels(int k) const;
    NameSlot &maplabel(int k);
    const NameSlot &maplabel(int k) const;
    HotspotOutline &shape(int i);
    const HotspotOutline &shape(int i) const;
    DropTarget &piccoor(int i);
    const DropTarget &piccoor(int i) const;
    bool lineVisible(int n) const;
    void setLineVisible(int n, bool visible);

    // Creates drop target i with the values of drop target 0, hidden and in front.
    void loadDropTarget(int i);
    bool dropTargetExists(int i) const;
    void bringToFront(int dropTarget);
    // Drop targets from back to front.
    const std::vector<int> &dropTargetOrder() const { return m_dropTargetOrder; }

    qint16 placedCount() const { return m_placedCount; }
    void setPlacedCount(qint16 count) { m_placedCount = count; }
    void addPlaced();

    // The frontmost element at a point, as the window stacks them. Leader lines and
    // hotspot outlines never take the mouse; hidden elements take no part.
    BoardElement elementAt(TwipPoint p) const;

private:
    std::optional<int> frontDropTargetAt(TwipPoint p) const;
    std::optional<int> frontListEntryAt(TwipPoint p) const;

    BoardLanguage m_language;
    std::shared_ptr<const BoardDefinition> m_definition;
    std::vector<ListEntry> m_labels;
    ListOrder m_listOrder;
    std::vector<NameSlot> m_slots;
    std::vector<HotspotOutline> m_shapes;
    std::vector<std::optional<DropTarget>> m_dropTargets;
    std::vector<int> m_dropTargetOrder;
    std::vector<char> m_lineVisible;
    qint16 m_placedCount = 0;
};

} // namespace quiz
