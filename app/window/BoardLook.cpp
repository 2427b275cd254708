#include "app/window/BoardLook.h"

#include "app/window/BoardAreas.h"

namespace app {

bool BoardLook::Text::looksLike(const Text &other) const
{
    return visible == other.visible && (!visible || (caption == other.caption && bold == other.bold));
}

BoardLook::BoardLook(const quiz::Board &board)
{
    for (int k = 0; k < board.listEntryCount(); ++k)
        m_entries.push_back(lookOf(board.labels(k)));
    for (int k = 0; k < board.countryCount(); ++k)
        m_slots.push_back(lookOf(board.maplabel(k)));
    for (int i = 0; i < board.areaCount(); ++i)
        m_outlines.push_back(board.shape(i).visible);
    for (int n = 1; n <= board.leaderLineCount(); ++n)
        m_lines.push_back(board.lineVisible(n));
}

QRegion BoardLook::changedIn(const quiz::Board &now) const
{
    QRegion changed;
    for (int k = 0; k < now.listEntryCount(); ++k) {
        if (!lookOf(now.labels(k)).looksLike(m_entries[k]))
            changed += areas::covered(areas::listEntry(now, k));
    }
    for (int k = 0; k < now.countryCount(); ++k) {
        if (!lookOf(now.maplabel(k)).looksLike(m_slots[k]))
            changed += areas::covered(areas::nameSlot(now, k));
    }
    for (int i = 0; i < now.areaCount(); ++i) {
        if (now.shape(i).visible != bool(m_outlines[i]))
            changed += areas::covered(now.shape(i).rect.toPixels());
    }
    for (int n = 1; n <= now.leaderLineCount(); ++n) {
        if (now.lineVisible(n) != bool(m_lines[n - 1]))
            changed += areas::covered(areas::leaderLine(now, n));
    }
    return changed;
}

} // namespace app
