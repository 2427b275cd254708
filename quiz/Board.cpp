#include "quiz/Board.h"

#include "shell/Failure.h"

#include <algorithm>
#include <limits>

namespace quiz {

namespace {

template<class Collection>
auto &checked(Collection &collection, int index, const char *what)
{
    if (index < 0 || index >= int(collection.size()))
        throw shell::Failure(QStringLiteral("%1 %2 does not exist").arg(QLatin1String(what)).arg(index));
    return collection[std::size_t(index)];
}

} // namespace

Board::Board(BoardLanguage language, std::shared_ptr<const BoardDefinition> definition)
    : m_language(std::move(language)), m_definition(std::move(definition)),
      m_labels(std::size_t(m_definition->list.entryCount)), m_listOrder(m_definition->list.entryCount),
      m_slots(m_definition->nameSlots.size()), m_dropTargets(m_definition->areas.size()),
      m_lineVisible(m_definition->leaders.size(), 1)
{
    for (const CountryArea &area : m_definition->areas)
        m_shapes.push_back({area.rect, area.tag, true});
    m_dropTargets.at(0) = DropTarget{kFirstDropTargetRect, QString(), true};
    m_dropTargetOrder = {0};
}

ListEntry &Board::labels(int k) { return checked(m_labels, k, "List entry"); }
const ListEntry &Board::labels(int k) const { return checked(m_labels, k, "List entry"); }
NameSlot &Board::maplabel(int k) { return checked(m_slots, k, "Name slot"); }
const NameSlot &Board::maplabel(int k) const { return checked(m_slots, k, "Name slot"); }
HotspotOutline &Board::shape(int i) { return checked(m_shapes, i, "Hotspot"); }
const HotspotOutline &Board::shape(int i) const { return checked(m_shapes, i, "Hotspot"); }

DropTarget &Board::piccoor(int i)
{
    return const_cast<DropTarget &>(std::as_const(*this).piccoor(i));
}

const DropTarget &Board::piccoor(int i) const
{
    const auto &slot = checked(m_dropTargets, i, "Drop target");
    if (!slot)
        throw shell::Failure(QStringLiteral("Drop target %1 does not exist").arg(i));
    return *slot;
}

void Board::orderList(const shell::Collation &collation)
{
    if (m_definition->keepsFileOrder(m_language))
        return;
    QStringList names;
    for (const ListEntry &entry : m_labels)
        names.append(entry.caption == kListEntryDesignCaption ? QString() : entry.caption);
    m_listOrder = ListOrder::alphabetical(names, collation.of(m_language.code()));
}

int Board::listPlace(int k) const
{
    checked(m_labels, k, "List entry");
    return m_listOrder.place(k);
}

int Board::entryAtListPlace(int place) const
{
    checked(m_labels, place, "List place");
    return m_listOrder.entryAt(place);
}

bool Board::lineVisible(int n) const { return checked(m_lineVisible, n - 1, "Line") != 0; }
void Board::setLineVisible(int n, bool visible) { checked(m_lineVisible, n - 1, "Line") = visible; }

void Board::loadDropTarget(int i)
{
    auto &slot = checked(m_dropTargets, i, "Drop target");
    if (slot)
        throw shell::Failure(QStringLiteral("Drop target %1 already exists").arg(i));
    DropTarget created = piccoor(0);
    created.visible = false;
    slot = created;
    m_dropTargetOrder.push_back(i);
}

bool Board::dropTargetExists(int i) const
{
    return i >= 0 && i < int(m_dropTargets.size()) && m_dropTargets[std::size_t(i)].has_value();
}

void Board::bringToFront(int dropTarget)
{
    piccoor(dropTarget); // fails for a target that does not exist
    std::erase(m_dropTargetOrder, dropTarget);
    m_dropTargetOrder.push_back(dropTarget);
}

void Board::addPlaced()
{
    if (m_placedCount == std::numeric_limits<qint16>::max())
        throw shell::Failure(QStringLiteral("Overflow"));
    ++m_placedCount;
}

std::optional<int> Board::frontDropTargetAt(TwipPoint p) const
{
    for (auto it = m_dropTargetOrder.rbegin(); it != m_dropTargetOrder.rend(); ++it) {
        const DropTarget &target = *m_dropTargets[std::size_t(*it)];
        if (target.visible && m_definition->covers(*it, target.rect, p))
            return *it;
    }
    return std::nullopt;
}

std::optional<int> Board::frontListEntryAt(TwipPoint p) const
{
    for (int place = listEntryCount() - 1; place >= 0; --place) {
        const int k = m_listOrder.entryAt(place);
        if (m_labels[std::size_t(k)].visible && listPlaceArea(place).contains(p))
            return k;
    }
    return std::nullopt;
}

BoardElement Board::elementAt(TwipPoint p) const
{
    if (inPanel(kRestartButtonRect).contains(p))
        return {ElementKind::RestartButton};
    if (inPanel(kExitButtonRect).contains(p))
        return {ElementKind::ExitButton};
    if (auto target = frontDropTargetAt(p))
        return {ElementKind::DropTarget, *target};
    for (int k = int(m_slots.size()) - 1; k >= 0; --k) {
        if (m_slots[std::size_t(k)].visible && m_definition->nameSlots[std::size_t(k)].contains(p))
            return {ElementKind::NameSlot, k};
    }
    // The heading over the list lies between its first entry and the other entries.
    const int first = m_listOrder.entryAt(0);
    if (auto entry = frontListEntryAt(p); entry && *entry != first)
        return {ElementKind::ListEntry, *entry};
    if (inPanel(kCountriesHeading.rect).contains(p))
        return {ElementKind::Heading, 3};
    if (m_labels[std::size_t(first)].visible && listPlaceArea(0).contains(p))
        return {ElementKind::ListEntry, first};
    if (inPanel(kInstructionsHeading.rect).contains(p))
        return {ElementKind::Heading, 1};
    if (inPanel(kInstruction.rect).contains(p))
        return {ElementKind::Heading, 2};
    if (kPanelPictureRect.contains(p))
        return {ElementKind::PanelPicture};
    if (kMapPictureRect.contains(p))
        return {ElementKind::MapPicture};
    return {ElementKind::Surface};
}

} // namespace quiz
