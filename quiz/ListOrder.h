// Where each entry of the name list is shown: its place, counted down the first
// column and on down the second. An entry keeps its index wherever it is shown, as
// its index is its row, by which it is judged and whose slot it fills.
#pragma once

#include "shell/Collation.h"

#include <QStringList>

#include <vector>

namespace quiz {

class ListOrder
{
public:
    // Every one of `count` entries at the place of its index: the order of the country list file.
    explicit ListOrder(int count);
    // `names` by entry index, one for each entry, in the alphabetical order `compare` gives
    // of their filed names (filedName: Arabic names past their article); names that
    // compare equal keep their rows' order. An empty name is no name: such entries
    // follow all the named ones, in their rows' order.
    static ListOrder alphabetical(const QStringList &names, const shell::Collation::Compare &compare);

    int place(int entry) const { return m_places[std::size_t(entry)]; }
    int entryAt(int place) const { return m_entries[std::size_t(place)]; }

private:
    std::vector<int> m_entries; // by place
    std::vector<int> m_places;  // by entry
};

} // namespace quiz
