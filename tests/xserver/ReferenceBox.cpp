#include "ReferenceBox.h"

#include "OwnedProcess.h"

#include <QDir>
#include <QTest>

namespace xtest {

QImage expectedBoxPicture(const XDesktop &desktop, const shell::BoxRequest &request)
{
    OwnedProcess helper;
    helper.setProcessEnvironment(desktop.clientEnvironment());
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    const bool warning = request.icon == shell::BoxRequest::Icon::Warning;
    helper.start(qEnvironmentVariable("QUILLMERE_SHOW_BOX"),
                 {request.caption, warning ? QStringLiteral("warning") : QStringLiteral("none"), request.text});
    if (!helper.waitForStarted(10000))
        return {};
    const std::optional<XWindow> box = desktop.waitForWindow(helper.processId(), request.caption);
    if (!box)
        return {};
    // Settled: it has the focus, and two pictures in a row agree.
    QImage previous;
    const std::optional<QImage> settled = desktop.grabWhen(box->id, [&](const QImage &shot) {
        const bool same = shot == previous && desktop.focusedWindow() == box->id;
        previous = shot;
        return same;
    });
    return settled.value_or(QImage());
}

bool waitUntilShows(const XDesktop &desktop, WindowId window, const QImage &expected)
{
    if (desktop.grabWhen(window, [&](const QImage &shot) { return shot == expected; }))
        return true;
    const QString stem = QDir::temp().filePath(QStringLiteral("quillmere-box-%1-").arg(window));
    desktop.grab(window).save(stem + QStringLiteral("shown.png"));
    expected.save(stem + QStringLiteral("expected.png"));
    qWarning("The box differs from the expected one: see %s{shown,expected}.png", qPrintable(stem));
    return false;
}

} // namespace xtest
