#include "app/startup/ClassroomChoice.h"

#include <QCommandLineParser>

namespace app {

QStringList classroomChoices(const QStringList &arguments, const QString &option, const char *environment)
{
    QCommandLineParser parser;
    // The other choices' options are known too, so that each value is taken as theirs.
    for (const QString &name : {QStringLiteral("language"), QStringLiteral("board")})
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    parser.parse(arguments);
    return {parser.isSet(option) ? parser.value(option) : QString(), qEnvironmentVariable(environment)};
}

} // namespace app
