#include "shell/ErrorTrap.h"

#include "shell/BuildSettings.h"

#include <new>

using namespace Qt::StringLiterals;

namespace shell {

QString errorReportText(const QString &description, const QString &procedure, int line,
                        const QString &supportAddress)
{
    return description + u"\r\n"_s + u"in Quillmere2021/08/31."_s + procedure + u' ' + u"at line "_s
        + QString::number(line) + u"\r\r"_s + u"Please email screenshot of this message to "_s
        + supportAddress;
}

ErrorTrap::ErrorTrap(MessageBox &box, QString procedure)
    : m_box(box), m_procedure(std::move(procedure))
{
}

void ErrorTrap::setReportBudget(int reports, QString exhaustedDescription)
{
    m_budget = reports;
    m_exhaustedDescription = std::move(exhaustedDescription);
    m_budgetExhausted = false;
}

void ErrorTrap::clearReportBudget()
{
    m_budget = -1;
    m_budgetExhausted = false;
}

void ErrorTrap::reportCurrentException()
{
    try {
        throw;
    } catch (const Failure &failure) {
        report(failure.description());
    } catch (const std::bad_alloc &) {
        report(u"Out of memory"_s);
    } catch (const std::exception &e) {
        report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(u"Unexpected failure"_s);
    }
}

void ErrorTrap::report(const QString &description)
{
    if (m_budgetExhausted)
        return;
    QString shown = description;
    if (m_budget == 0) {
        shown = m_exhaustedDescription;
        m_budgetExhausted = true;
    } else if (m_budget > 0) {
        --m_budget;
    }
    ++m_reportCount;
    m_box.show({errorReportText(shown, m_procedure, m_line, supportEmailAddress()),
                u"Application Error"_s, BoxRequest::Icon::Warning});
}

} // namespace shell
