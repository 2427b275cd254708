#include "quiz/ListOrder.h"

#include "quiz/NameKey.h"

#include <algorithm>
#include <numeric>

namespace quiz {

ListOrder::ListOrder(int count) : m_entries(std::size_t(count))
{
    std::iota(m_entries.begin(), m_entries.end(), 0);
    m_places = m_entries;
}

ListOrder ListOrder::alphabetical(const QStringList &names, const shell::Collation::Compare &compare)
{
    auto name = [&](int k) { return k < names.size() ? names[k] : QString(); };
    ListOrder order(int(names.size()));
    std::stable_sort(order.m_entries.begin(), order.m_entries.end(), [&](int a, int b) {
        const QString first = name(a);
        const QString second = name(b);
        if (first.isEmpty() || second.isEmpty())
            return !first.isEmpty() && second.isEmpty();
        return compare(filedName(first).toString(), filedName(second).toString()) < 0;
    });
    for (int p = 0; p < int(order.m_entries.size()); ++p)
        order.m_places[std::size_t(order.m_entries[std::size_t(p)])] = p;
    return order;
}

} // namespace quiz
