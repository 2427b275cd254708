#include "app/window/NameList.h"

#include "quiz/BoardLayout.h"

#include <QCoreApplication>

namespace app {

NameList::NameList(QWidget *window, const quiz::Board &board) : QWidget(window)
{
    const QRectF first = board.listPlaceArea(0).toPixels();
    const quiz::ListLayout &list = board.definition().list;
    const QRectF last = board.listPlaceArea(list.entryCount - 1).toPixels();
    const QRectF lastOfFirstColumn = board.listPlaceArea(list.leftColumnEntries - 1).toPixels();
    setGeometry(first.united(last).united(lastOfFirstColumn).toAlignedRect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QCoreApplication::translate("Board", "Countries"));
}

} // namespace app
