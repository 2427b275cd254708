// How the board looks at one moment, as far as painting goes: taken before a change
// of the board, it tells which part of the window the change repaints.
#pragma once

#include "quiz/Board.h"

#include <QRegion>
#include <QString>

#include <vector>

namespace app {

class BoardLook
{
public:
    explicit BoardLook(const quiz::Board &board);

    // The window area, in pixels, where `now` must be painted differently.
    QRegion changedIn(const quiz::Board &now) const;

private:
    struct Text {
        QString caption;
        bool bold = false;
        bool visible = false;
        // Hidden texts look alike whatever they hold.
        bool looksLike(const Text &other) const;
    };

    static Text lookOf(const quiz::ListEntry &entry) { return {entry.caption, true, entry.visible}; }
    static Text lookOf(const quiz::NameSlot &slot) { return {slot.caption, slot.bold, slot.visible}; }

    std::vector<Text> m_entries;
    std::vector<Text> m_slots;
    std::vector<char> m_outlines;
    std::vector<char> m_lines;
};

} // namespace app
