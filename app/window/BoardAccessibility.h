// Tells assistive technology what changes on the board, for keyboard and mouse
// play alike: each result said through the board's notification, names that leave
// or come back to the list, the names on the map, the drop point as it is picked up
// and moved, and the keyboard's focus among the painted names. Nothing is sent
// while no screen reader listens.
#pragma once

#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"

#include <QString>

#include <bitset>
#include <optional>

class QAccessibleInterface;

namespace app {

class Form1;

class BoardAccessibility
{
public:
    explicit BoardAccessibility(Form1 &form) : m_form(form) {}

    const QString &spoken() const { return m_spoken; }
    // Said at once, before what moved is told: the player hears the result first,
    // and a key pressed soon after cuts only what follows.
    void say(const QString &text);
    // Tells what changed since the last call.
    void refresh();

private:
    struct Look {
        std::bitset<quiz::kListEntryCount> inList;
        std::bitset<quiz::kCountryCount> onMap;
        std::optional<quiz::TwipPoint> dropPoint;
        QString carried;
        // The painted name or drop point with the keyboard's focus: an entry, kDropPointFocus, or none.
        std::optional<int> focus;
        bool operator==(const Look &) const = default;
    };
    static constexpr int kDropPointFocus = -1;

    Look lookNow() const;
    void tellChanges(const Look &before, const Look &now) const;

    Form1 &m_form;
    QString m_spoken;
    std::optional<Look> m_last;
};

} // namespace app
