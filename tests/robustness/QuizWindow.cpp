#include "QuizWindow.h"

#include "app/startup/FormLoad.h"

#include <QRegularExpression>
#include <QtTest>

namespace testing {

QString reportAt(QStringView procedure, int line)
{
    return QStringLiteral("%1 %2").arg(procedure).arg(line);
}

QuizWindow::QuizWindow(const QString &programFolder, shell::MessageBox *boxes)
    : m_form(shell::Platform{boxes ? *boxes : m_recorder, m_sound, m_web, m_clock, m_announcer, m_collation},
             shell::ProgramFolder(programFolder))
{
    app::Form_Load(m_form);
    m_form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_form));
}

QStringList QuizWindow::reports() const
{
    static const QRegularExpression where(QStringLiteral("\r\nin Quillmere2021/08/31\\.(\\S+) at line (\\d+)\r\r"));
    QStringList seen;
    for (const shell::BoxRequest &box : m_recorder.shown) {
        if (box.caption != QLatin1String("Application Error"))
            continue;
        const QRegularExpressionMatch match = where.match(box.text);
        seen << (match.hasMatch() ? reportAt(match.captured(1), match.captured(2).toInt())
                                  : QStringLiteral("unparsed: %1").arg(box.text));
    }
    return seen;
}

int QuizWindow::completions() const
{
    return int(std::count_if(m_recorder.shown.begin(), m_recorder.shown.end(), [](const shell::BoxRequest &box) {
        return box.text == QLatin1String("CONGRATULATIONS! THE MAP IS COMPLETE!");
    }));
}

} // namespace testing
