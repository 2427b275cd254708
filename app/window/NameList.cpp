#include "app/window/NameList.h"

#include "quiz/BoardLayout.h"

namespace app {

NameList::NameList(QWidget *window) : QWidget(window)
{
    const QRectF first = quiz::listEntryRect(0).toPixels();
    const QRectF last = quiz::listEntryRect(quiz::kListEntryCount - 1).toPixels();
    const QRectF lastOfFirstColumn = quiz::listEntryRect(quiz::kLeftColumnEntries - 1).toPixels();
    setGeometry(first.united(last).united(lastOfFirstColumn).toAlignedRect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Countries"));
}

} // namespace app
