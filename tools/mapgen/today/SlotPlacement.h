// Where each state's name is written once placed: on the state where a slot
// fits wholly on its land, else nearby, in sea or over other land, with a
// leader line from the state's inside point to the slot's nearest edge.
#pragma once

#include "tools/mapgen/today/SlotCandidates.h"

#include <vector>

namespace mapgen::today {

// Greedy, the states with the fewest places first; a state that finds no
// place moves the leader-lined slots in its way. Throws if that fails.
std::vector<Slot> placeSlots(const Targets& targets, const std::vector<std::vector<QSize>>& sizes);

} // namespace mapgen::today
