// The generated header quiz/TodayBoardTables.h: each row's slot, leader line,
// inside point and bounds, in client twips.
#pragma once

#include "tools/mapgen/today/SlotPlacement.h"
#include "tools/mapgen/today/TodayRows.h"

#include <QByteArray>

namespace mapgen::today {

QByteArray todayBoardTables(const std::vector<TodayRow>& rows, const Targets& targets,
                            const std::vector<Slot>& nameSlots);

} // namespace mapgen::today
