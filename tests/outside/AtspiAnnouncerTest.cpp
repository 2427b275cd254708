// Results said through AT-SPI, on the real window offscreen with accessibility
// switched on as a screen reader's arrival does: the notification that carries them
// is one of the window's children, takes each result as its name and shows again
// for it, and takes no room on the screen, so that exploring the window by touch
// finds what is painted there, never the last result.
#include "MouseOnWindow.h"
#include "ShownWindow.h"

#include "app/accessible/AccessibleBoard.h"
#include "outside/linux/AtspiAnnouncer.h"
#include "quiz/BoardLayout.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QStringList g_heard;

void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *item = event->accessibleInterface();
    if (!item || item->role() != QAccessible::Notification)
        return;
    if (event->type() == QAccessible::NameChanged)
        g_heard << QStringLiteral("named ") + item->text(QAccessible::Name);
    else if (event->type() == QAccessible::ObjectShow)
        g_heard << QStringLiteral("shown ") + item->text(QAccessible::Name);
}

} // namespace

class AtspiAnnouncerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        app::installBoardAccessibility();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(hear);
    }

    void theNotificationSaysEachResultAndTakesNoRoom()
    {
        outside::AtspiAnnouncer announcer;
        testing::ShownWindow w(nullptr, &announcer);
        announcer.attach(w.form);
        w.drag(testing::pixelsOnListEntry(13), testing::pixelsOnCountry(13));
        w.drag(testing::pixelsOnListEntry(21), testing::pixelsOnCountry(13));
        QCOMPARE(g_heard, (QStringList{QStringLiteral("named Egypt placed. 1 of 48."),
                                       QStringLiteral("shown Egypt placed. 1 of 48."),
                                       QStringLiteral("named Not there. Kenya is back in the list."),
                                       QStringLiteral("shown Not there. Kenya is back in the list.")}));

        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&w.form);
        QAccessibleInterface *notification = window->child(window->childCount() - 1);
        QCOMPARE(notification->role(), QAccessible::Notification);
        QCOMPARE(notification->parent(), window);
        QVERIFY(notification->rect().isEmpty());
        const QRect instruction = quiz::kInstruction.rect.toPixels().toAlignedRect();
        const QPoint centre = w.form.mapToGlobal(instruction.center());
        QCOMPARE(window->childAt(centre.x(), centre.y())->text(QAccessible::Name), quiz::kInstruction.text.toString());
    }
};

QTEST_MAIN(AtspiAnnouncerTest)
#include "AtspiAnnouncerTest.moc"
