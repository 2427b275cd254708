#include "app/startup/ApplicationTitle.h"

#include <QCoreApplication>

namespace app {

QString applicationTitleFor(const QString &productName)
{
    constexpr qsizetype kMaxTitleLength = 40;
    QString title = productName;
    do {
        const qsizetype lastSpace = title.lastIndexOf(u' ');
        if (lastSpace < 0)
            break;
        title.truncate(lastSpace);
    } while (title.size() > kMaxTitleLength);
    return title;
}

void SetApplicationTitle()
{
    QCoreApplication::setApplicationName(applicationTitleFor(kProductName.toString()));
}

} // namespace app
