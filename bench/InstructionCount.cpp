#include "InstructionCount.h"

#include <QProcess>
#include <QRegularExpression>

namespace bench {

std::optional<double> instructionsToFirstFrame(const QString &program, const QStringList &settings)
{
    QProcess valgrind;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    environment.insert(QStringLiteral("QUILLMERE_FIRST_FRAME"), QStringLiteral("1"));
    valgrind.setProcessEnvironment(environment);
    valgrind.start(QStringLiteral("valgrind"), {QStringLiteral("--tool=callgrind"),
                                                QStringLiteral("--callgrind-out-file=/dev/null"), program});
    if (!valgrind.waitForFinished(300000))
        return std::nullopt;
    static const QRegularExpression collected(QStringLiteral("Collected : (\\d+)"));
    const auto match = collected.match(QString::fromLocal8Bit(valgrind.readAllStandardError()));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble();
}

} // namespace bench
