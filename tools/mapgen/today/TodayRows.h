// The rows of the board of Africa today, as assets/boards/today/rows.tsv lists
// them, with each row's name in every language the board is written in.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace mapgen::today {

struct TodayRow {
    QString code;             // ISO 3166-1 alpha-2
    QString naturalEarthName; // as world-atlas's countries-50m.json spells it
    QStringList names;        // one a language, English first
};

// Reads rows.tsv and the names.<lang>.txt files beside it; English names stand
// in for a language whose file is not there yet. Throws on a malformed file.
std::vector<TodayRow> readTodayRows(const QString& boardDir);

int rowOfNaturalEarthName(const std::vector<TodayRow>& rows, const QString& name);

} // namespace mapgen::today
