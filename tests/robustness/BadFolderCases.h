// The corpus of spoilt program folders: how each is made, the error reports the
// window must show for it (and no others), and what the board must look like.
#pragma once

#include "CaseFolder.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace testing {

// A drag of list entry `entry` onto the country in row `country`, and its outcome.
struct Drop {
    enum Outcome { Placed, Stays, Completes };
    int entry;
    int country;
    Outcome outcome;
};

enum class Skin { None, ColoursOnly, Applied };

// What a sound server hears of the drops.
enum class Sounds { Unchecked, Heard, Silent };

struct BadFolderCase {
    QString name;
    std::function<void(CaseFolder &)> spoil;
    // Each as reportAt(procedure, line), in the order shown.
    QStringList reports{};
    // The 48 captions of the list after start-up.
    QStringList captions{};
    std::vector<Drop> drops{};
    bool pointerImage = true;
    Skin skin = Skin::None;
    // Heard: the sounds of the drops are real files, and they play. Silent: no sound
    // file can be played, and nothing is heard.
    Sounds sounds = Sounds::Unchecked;
    // A file without read permission must be unreadable, which it is not for root.
    bool needsBindingPermissions = false;
};

const std::vector<BadFolderCase> &badFolderCases();

} // namespace testing
