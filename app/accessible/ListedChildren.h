// An accessible container whose children are one list, worked out when asked:
// counting, indexing and hit-testing all read that list, so they never disagree.
#pragma once

#include <QAccessible>

#include <algorithm>
#include <vector>

namespace app {

template <class Base>
class ListedChildren : public Base
{
public:
    using Base::Base;

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QAccessibleInterface *> listed = children();
        return index >= 0 && index < int(listed.size()) ? listed[std::size_t(index)] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<QAccessibleInterface *> listed = children();
        const auto at = std::find(listed.begin(), listed.end(), child);
        return at == listed.end() ? -1 : int(at - listed.begin());
    }

    // The frontmost child at a point on the screen: where children overlap, the later one.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const std::vector<QAccessibleInterface *> listed = children();
        const auto front = std::find_if(listed.rbegin(), listed.rend(), [&](QAccessibleInterface *child) {
            return !child->state().invisible && child->rect().contains(x, y);
        });
        return front == listed.rend() ? nullptr : *front;
    }

protected:
    virtual std::vector<QAccessibleInterface *> children() const = 0;
};

} // namespace app
