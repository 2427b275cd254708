// Tells assistive technology what changes on the board, for keyboard and mouse play
// alike: names that leave or come back to the list, the names on the map, the drop
// point as it is picked up and moved, and the keyboard's focus among the painted
// names, each told after the result that caused it has been said. Nothing is
// worked out while no client listens.
#pragma once

#include "app/accessible/AccessibleItem.h"
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QObject>
#include <QString>

#include <vector>
#include <optional>

namespace app {

class BoardEvents : public QObject
{
    Q_OBJECT

public:
    BoardEvents(const BoardView &view, QWidget &nameList);

    // Whether the window has lost the focus to another since it was first shown.
    bool windowLeftOnce() const { return m_windowLeftOnce; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Look {
        std::vector<bool> inList;
        std::vector<bool> onMap;
        std::optional<quiz::TwipPoint> dropPoint;
        QString carried;
        // What has the keyboard's focus in the list: an entry, kDropPointFocus, or
        // kListFocus once no name is left in it; none while the list has no focus.
        std::optional<int> focus;
        bool operator==(const Look &) const = default;
    };
    static constexpr int kDropPointFocus = -1;
    static constexpr int kListFocus = -2;

    // Tells what changed since the last call.
    void refresh();
    Look lookNow() const;
    void tellChanges(const Look &before, const Look &now) const;

    BoardView m_view;
    QPointer<QWidget> m_nameList;
    std::optional<Look> m_last;
    bool m_windowLeftOnce = false;
};

} // namespace app
