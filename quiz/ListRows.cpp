#include "quiz/ListRows.h"

#include "quiz/NameKey.h"
#include "shell/Failure.h"

#include <QHash>

namespace quiz {

ListRows::ListRows(int rowCount) : m_namedOn(std::size_t(rowCount), -1), m_lastFillingLine(rowCount - 1) {}

ListRows::ListRows(CountryListFile list, const QStringList &names, QString listFile)
    : m_byName(true), m_listFile(std::move(listFile)), m_namedOn(std::size_t(names.size()), -1)
{
    QHash<QString, int> rowOfKey;
    for (int row = 0; row < names.size(); ++row)
        rowOfKey.insert(nameKey(names[row]), row);
    while (!list.atEnd()) {
        const CommaFields fields(list.readLine());
        const int line = int(m_namedRow.size());
        const int row = fields.count() > 0 ? rowOfKey.value(nameKey(fields.first()), -1) : -1;
        m_namedRow.push_back(row);
        if (row >= 0 && m_namedOn[std::size_t(row)] < 0)
            m_namedOn[std::size_t(row)] = line;
    }
    m_lastFillingLine = int(m_namedRow.size()) - 1;
    while (m_lastFillingLine >= 0 && filledRow(m_lastFillingLine) < 0)
        --m_lastFillingLine;
}

int ListRows::namedRow(int line) const
{
    return line >= 0 && line < int(m_namedRow.size()) ? m_namedRow[std::size_t(line)] : -1;
}

int ListRows::filledRow(int line) const
{
    if (const int named = namedRow(line); named >= 0)
        return m_namedOn[std::size_t(named)] == line ? named : -1;
    return line >= 0 && line < int(m_namedOn.size()) && m_namedOn[std::size_t(line)] < 0 ? line : -1;
}

int ListRows::rowOf(int line) const
{
    if (!m_byName)
        return line;
    if (const int row = filledRow(line); row >= 0)
        return row;
    const auto failure = [&](const QString &why) {
        return shell::Failure(QStringLiteral("Line %1 of %2 %3").arg(line + 1).arg(m_listFile, why));
    };
    if (const int named = namedRow(line); named >= 0)
        throw failure(QStringLiteral("names the same country as line %1").arg(m_namedOn[std::size_t(named)] + 1));
    if (line >= int(m_namedOn.size()))
        throw failure(QStringLiteral("names no country, and the list has only %1 rows").arg(m_namedOn.size()));
    throw failure(QStringLiteral("names no country, and line %1 names the country of its row")
                      .arg(m_namedOn[std::size_t(line)] + 1));
}

} // namespace quiz
