// The error trap of an event handler.
//
// Statements run through the trap carry a report line. When one fails, the trap
// shows one "Application Error" box and the handler goes on with its next
// statement. A failing test of a conditional or of a loop counts as true, so the
// guarded branch or the loop body runs next. A routine without a trap of its own
// simply throws, and the failure is reported at the line of the calling statement.
#pragma once

#include "shell/Failure.h"
#include "shell/MessageBox.h"

#include <QString>

#include <exception>
#include <utility>

namespace shell {

// The text of an error report, byte for byte as the program defines it.
QString errorReportText(const QString &description, const QString &procedure, int line,
                        const QString &supportAddress);


class ErrorTrap
{
public:
    ErrorTrap(MessageBox &box, QString procedure);

    template<class Statement>
    void run(int line, Statement &&statement)
    {
        m_line = line;
        try {
            std::forward<Statement>(statement)();
        } catch (...) {
            reportCurrentException();
        }
    }

    template<class Condition>
    bool test(int line, Condition &&condition)
    {
        m_line = line;
        try {
            return std::forward<Condition>(condition)();
        } catch (...) {
            reportCurrentException();
            return true;
        }
    }

    int line() const { return m_line; }
    int reportCount() const { return m_reportCount; }

    // Limits the reports still to come. Once the budget is spent, the next failure
    // is reported with `exhaustedDescription` instead, budgetExhausted() turns true
    // and later failures pass unreported until the budget is cleared.
    void setReportBudget(int reports, QString exhaustedDescription);
    void clearReportBudget();
    bool budgetExhausted() const { return m_budgetExhausted; }

private:
    void reportCurrentException();
    void report(const QString &description);

    MessageBox &m_box;
    QString m_procedure;
    int m_line = 0;
    int m_reportCount = 0;
    int m_budget = -1;
    QString m_exhaustedDescription;
    bool m_budgetExhausted = false;
};

} // namespace shell
