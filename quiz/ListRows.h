// The row of the country table that each line of a country list fills.
//
// In English a line fills the row of its place in the file, as items.txt always
// has. A teacher's list in another language may come in any order: a line whose
// name is one of the language's built-in names (nameKey: whatever its case and
// accents) fills that country's row; a line that names none fills the row of its
// place, unless a line naming that row's country has it.
#pragma once

#include "quiz/CountryListFile.h"

#include <QStringList>

#include <vector>

namespace quiz {

class ListRows
{
public:
    // Every line the row of its place, on a board of `rowCount` rows.
    explicit ListRows(int rowCount);
    // Reads `list` (a copy: the caller's is left unread) against `names`, the
    // language's names in row order; `listFile` names the list in reports.
    ListRows(CountryListFile list, const QStringList &names, QString listFile);

    // The row that line `line` (from 0) fills. Throws a Failure that says why, for a
    // line that can fill none: its place's row is taken, or it names a country an
    // earlier line names.
    int rowOf(int line) const;
    // No line after this one fills a row.
    int lastFillingLine() const { return m_lastFillingLine; }

private:
    int namedRow(int line) const;
    // The row `line` fills, or -1.
    int filledRow(int line) const;

    bool m_byName = false;
    QString m_listFile;
    // For each line the row of the country it names, or -1.
    std::vector<int> m_namedRow;
    // For each row the first line naming its country, or -1.
    std::vector<int> m_namedOn;
    int m_lastFillingLine;
};

} // namespace quiz
