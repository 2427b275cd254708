#include "XDesktop.h"

#include "XvfbDisplay.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace xtest {

namespace {

constexpr int kToolTimeoutMs = 15000;

// xdotool matches titles with POSIX extended expressions.
QString exactTitlePattern(const QString &title)
{
    QString pattern = QStringLiteral("^");
    for (QChar c : title) {
        if (QStringView(u".[]()*+?{}|^$\\").contains(c))
            pattern += u'\\';
        pattern += c;
    }
    return pattern + u'$';
}

QPoint middle(QPoint a, QPoint b) { return (a + b) / 2; }

QStringList moveTo(WindowId window, QPoint at)
{
    return {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
            QString::number(at.x()), QString::number(at.y())};
}

// The top-left corner of the screen: the program centres its window, so nothing lies there.
const QStringList kPark{QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")};

} // namespace

XDesktop::XDesktop(const XvfbDisplay &display) : m_environment(display.clientEnvironment()) {}

QByteArray XDesktop::run(const QString &program, const QStringList &arguments, bool *ok) const
{
    QProcess tool;
    tool.setProcessEnvironment(m_environment);
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(program, arguments);
    const bool finished = tool.waitForFinished(kToolTimeoutMs);
    if (ok)
        *ok = finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    if (!finished)
        tool.kill();
    return tool.readAllStandardOutput();
}

void XDesktop::xdotool(const QStringList &arguments) const
{
    bool ok = false;
    run(QStringLiteral("xdotool"), arguments, &ok);
    if (!ok)
        qWarning("xdotool %s failed", qPrintable(arguments.join(u' ')));
}

QList<XWindow> XDesktop::windows(qint64 pid, const QString &title) const
{
    // xdotool's title match ignores case; xwininfo's report gives the exact title.
    const QByteArray ids = run(QStringLiteral("xdotool"),
                               {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                                exactTitlePattern(title)});
    static const QRegularExpression header(QStringLiteral(R"re(Window id: 0x[0-9a-f]+ "(.*)"$)re"),
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression field(QStringLiteral(R"re(^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s+(-?\d+)$)re"),
                                          QRegularExpression::MultilineOption);
    QList<XWindow> found;
    for (const QByteArray &id : ids.split('\n')) {
        if (id.trimmed().isEmpty())
            continue;
        const QString info = QString::fromUtf8(run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::fromLatin1(id)}));
        if (header.match(info).captured(1) != title)
            continue;
        QMap<QString, int> values;
        for (auto it = field.globalMatch(info); it.hasNext();) {
            const auto match = it.next();
            values[match.captured(1)] = match.captured(2).toInt();
        }
        found.append({WindowId(id.trimmed().toUInt()),
                      QRect(values.value(QStringLiteral("Absolute upper-left X")),
                            values.value(QStringLiteral("Absolute upper-left Y")),
                            values.value(QStringLiteral("Width")), values.value(QStringLiteral("Height")))});
    }
    return found;
}

std::optional<XWindow> XDesktop::waitForWindow(qint64 pid, const QString &title,
                                               const std::function<bool(const XWindow &)> &accept,
                                               int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        QList<XWindow> shown = windows(pid, title);
        if (accept)
            shown.removeIf([&](const XWindow &w) { return !accept(w); });
        if (shown.size() == 1)
            return shown.front();
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

WindowId XDesktop::focusedWindow() const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed().toUInt();
}

QImage XDesktop::grab(WindowId window) const
{
    const QByteArray png = run(QStringLiteral("import"), {QStringLiteral("-silent"), QStringLiteral("-window"),
                                                          QString::number(window), QStringLiteral("png:-")});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> XDesktop::grabWhen(WindowId window, const std::function<bool(const QImage &)> &condition,
                                         int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        QImage shot = grab(window);
        if (!shot.isNull() && condition(shot))
            return shot;
        QTest::qWait(20);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

void XDesktop::drag(WindowId window, QPoint from, QPoint to) const
{
    xdotool(moveTo(window, from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")}
            + moveTo(window, middle(from, to)) + moveTo(window, to)
            + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")} + kPark);
}

void XDesktop::click(WindowId window, QPoint at) const
{
    xdotool(moveTo(window, at) + QStringList{QStringLiteral("click"), QStringLiteral("1")});
}

void XDesktop::movePointer(WindowId window, QPoint to) const
{
    xdotool(moveTo(window, to));
}

void XDesktop::pressKey(const QString &key) const
{
    xdotool({QStringLiteral("key"), key});
}

void XDesktop::holdKey(const QString &key, int ms) const
{
    xdotool({QStringLiteral("keydown"), key, QStringLiteral("sleep"), QString::number(ms / 1000.0),
             QStringLiteral("keyup"), key});
}

void XDesktop::parkPointer() const
{
    xdotool(kPark);
}

} // namespace xtest
