#include "outside/qt/QtPlatform.h"

#include "shell/Failure.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

namespace outside {

QString boxTextForDisplay(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

void QtMessageBox::show(const shell::BoxRequest &request)
{
    QMessageBox box(request.icon == shell::BoxRequest::Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    request.caption, boxTextForDisplay(request.text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(request.ok);
    // A failure's report, its button English, reads left to right in every language,
    // so that a screenshot sent to the support address reads the same everywhere.
    if (request.icon == shell::BoxRequest::Icon::Warning)
        box.setLayoutDirection(Qt::LeftToRight);
    box.exec();
}

void DesktopWebOpener::open(const QUrl &address)
{
    if (!QDesktopServices::openUrl(address))
        throw shell::Failure(QStringLiteral("No program opens the web address %1").arg(address.toString()));
}

float SystemClock::secondsSinceMidnight() const
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

} // namespace outside
