#include "app/window/BoardLook.h"

#include "app/window/BoardAreas.h"

namespace app {

bool BoardLook::Text::looksLike(const Text &other) const
{
    return visible == other.visible && (!visible || (caption == other.caption && bold == other.bold));
}

BoardLook::BoardLook(const quiz::Board &board)
{
    for (int k = 0; k < quiz::kListEntryCount; ++k)
        m_entries[k] = lookOf(board.labels(k));
    for (int k = 0; k < quiz::kCountryCount; ++k)
        m_slots[k] = lookOf(board.maplabel(k));
    for (int i = 0; i < quiz::kHotspotCount; ++i)
        m_outlines[i] = board.shape(i).visible;
    for (int n = 1; n <= quiz::kLeaderLineCount; ++n)
        m_lines[n - 1] = board.lineVisible(n);
}

QRegion BoardLook::changedIn(const quiz::Board &now) const
{
    QRegion changed;
    for (int k = 0; k < quiz::kListEntryCount; ++k) {
        if (!lookOf(now.labels(k)).looksLike(m_entries[k]))
            changed += areas::covered(areas::listEntry(now, k));
    }
    for (int k = 0; k < quiz::kCountryCount; ++k) {
        if (!lookOf(now.maplabel(k)).looksLike(m_slots[k]))
            changed += areas::covered(areas::nameSlot(k));
    }
    for (int i = 0; i < quiz::kHotspotCount; ++i) {
        if (now.shape(i).visible != m_outlines[i])
            changed += areas::covered(now.shape(i).rect.toPixels());
    }
    for (int n = 1; n <= quiz::kLeaderLineCount; ++n) {
        if (now.lineVisible(n) != m_lines[n - 1])
            changed += areas::covered(areas::leaderLine(n));
    }
    return changed;
}

} // namespace app
