// The board as assistive technology reads it, through Qt's accessibility interfaces
// on the real window offscreen: the tree of painted names, what follows the keys,
// and each spoken result among the events. Accessibility is switched on as a
// screen reader's arrival does, and events are taken where the platform's bridge
// (AT-SPI, UI Automation) would take them; results are taken where the platform's
// announcer would say them.
#include "MouseOnWindow.h"
#include "ShownWindow.h"

#include "app/accessible/AccessibleBoard.h"
#include "app/window/BoardAreas.h"
#include "quiz/BoardTables.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>

#include <memory>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace quiz;
using testing::ShownWindow;

namespace {

// What a screen reader is told, in order, with the boxes shown among it.
QStringList g_heard;

QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::ListItem: return QStringLiteral("item");
    case QAccessible::Graphic: return QStringLiteral("graphic");
    default: return QString::number(role);
    }
}

void hear(QAccessibleEvent *event)
{
    QAccessibleInterface *item = event->accessibleInterface();
    if (!item)
        return;
    switch (event->type()) {
    case QAccessible::Focus:
        if (!item->object()) // the painted items: widgets get theirs from Qt
            g_heard << QStringLiteral("focus %1 %2").arg(roleName(item->role()), item->text(QAccessible::Name));
        break;
    case QAccessible::DescriptionChanged:
        g_heard << QStringLiteral("described ") + item->text(QAccessible::Description);
        break;
    default:
        break;
    }
}

struct HeardBoxes : testing::RecordingMessageBox {
    void show(const shell::BoxRequest &request) override
    {
        g_heard << QStringLiteral("box ") + request.text;
        RecordingMessageBox::show(request);
    }
};

struct HeardAnnouncer : testing::RecordingAnnouncer {
    void say(const QString &text, Urgency urgency) override
    {
        g_heard << QStringLiteral("say ") + text;
        RecordingAnnouncer::say(text, urgency);
    }
    void beforeBox() override { g_heard << QStringLiteral("sent before the box"); }
};

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QStringList childNames(QAccessibleInterface *parent)
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i)
        names << parent->child(i)->text(QAccessible::Name);
    return names;
}

QRect onScreen(const QWidget &window, const QRectF &area)
{
    const QRect pixels = area.toAlignedRect();
    return {window.mapToGlobal(pixels.topLeft()), pixels.size()};
}

void press(QAccessibleInterface *item)
{
    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();
}

// The id Qt gives the next interface registered.
QAccessible::Id nextId()
{
    QWidget probe;
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(new QAccessibleWidget(&probe));
    QAccessible::deleteAccessibleInterface(id);
    return id;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        app::installBoardAccessibility();
        QAccessible::installUpdateHandler(hear);
    }

    // Before any client listens (the first case), nothing of the board is made: not
    // the 48 names' items, nor a word of speech. From then on a screen reader has come.
    void init()
    {
        g_heard.clear();
        if (QTest::currentTestFunction() != QByteArray("nothingIsMadeUntilAClientListens")) {
            QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
            QVERIFY(QAccessible::isActive());
        }
    }

    void nothingIsMadeUntilAClientListens()
    {
        QVERIFY(!QAccessible::isActive());
        // Qt numbers each interface it registers from one count: how far the count went
        // tells how many were made in between.
        const QAccessible::Id before = nextId();
        {
            struct : testing::RecordingAnnouncer {
                bool listening() const override { return false; }
            } nobody;
            ShownWindow w(nullptr, &nobody);
            w.drag(testing::pixelsOnListEntry(13), testing::pixelsOnCountry(13));
            w.form.nameList().setFocus();
            QTest::keyClick(&w.form.nameList(), Qt::Key_Return);
            QTest::keyClick(&w.form.nameList(), Qt::Key_Right);
            QTest::keyClick(&w.form.nameList(), Qt::Key_Escape);
            QVERIFY(nobody.said.isEmpty());
        }
        const QAccessible::Id after = nextId();
        // The window and its few widgets, which Qt makes as they show.
        QVERIFY2(after - before < QAccessible::Id(kListEntryCount), qPrintable(QString::number(after - before)));
    }

    void treeHoldsThePaintedBoard()
    {
        ShownWindow w;
        QAccessibleInterface *window = interfaceOf(&w.form);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Quillmere"));
        QVERIFY(window->text(QAccessible::Description).startsWith(QStringLiteral("Drag each country name")));
        QCOMPARE(childNames(window).mid(0, 7),
                 (QStringList{QStringLiteral("INSTRUCTIONS"), QStringLiteral("DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP"),
                              QStringLiteral("COUNTRIES :"), QStringLiteral("Countries"), QStringLiteral("Map of Africa"),
                              QStringLiteral("Restart"), QStringLiteral("Exit")}));
        for (int i = 0; i < window->childCount(); ++i) {
            QCOMPARE(window->child(i)->parent(), window);
            QCOMPARE(window->indexOfChild(window->child(i)), i);
        }

        QAccessibleInterface *list = interfaceOf(&w.form.nameList());
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), kListEntryCount);
        for (int k = 0; k < kListEntryCount; ++k) {
            QAccessibleInterface *item = list->child(k);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name), kCountryNames[k].toString());
            QCOMPARE(item->rect(), onScreen(w.form, app::areas::listEntry(w.form.board(), k)));
            QCOMPARE(list->childAt(item->rect().center().x(), item->rect().center().y()), item);
            QCOMPARE(item->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        }
        QAccessibleInterface *map = window->child(4);
        QCOMPARE(map->childCount(), 0);

        QAccessibleInterface *egypt = list->child(13);
        w.drag(testing::pixelsOnListEntry(13), testing::pixelsOnCountry(13));
        w.drag(testing::pixelsOnListEntry(21), testing::pixelsOnCountry(13));
        QCOMPARE(list->childCount(), kListEntryCount - 1);
        QCOMPARE(list->indexOfChild(egypt), -1);
        QCOMPARE(list->child(13)->text(QAccessible::Name), QStringLiteral("Equatorial Guinea"));
        QCOMPARE(childNames(map), QStringList{QStringLiteral("Egypt")});
        QCOMPARE(map->child(0)->parent(), map);
        QCOMPARE(map->child(0)->rect(), onScreen(w.form, app::areas::nameSlot(w.form.board(), 13)));
    }

    // From the list, where the focus starts: move, pick up, steer and drop; each step
    // is followed, and a screen reader's Press does what Enter does.
    void keysAndPressesAreFollowed()
    {
        HeardAnnouncer said;
        ShownWindow w(nullptr, &said);
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTRY_COMPARE(g_heard, QStringList{QStringLiteral("focus item Algeria")});
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        // The drop point is the list's last item while the name is carried.
        QAccessibleInterface *list = interfaceOf(&w.form.nameList());
        QAccessibleInterface *dropPoint = list->child(list->childCount() - 1);
        QCOMPARE(dropPoint->text(QAccessible::Name), QStringLiteral("Drop point for Angola"));
        QCOMPARE(list->childCount(), kListEntryCount + 1);
        QVERIFY(dropPoint->state().focused);
        QCOMPARE(list->focusChild(), dropPoint);
        key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(dropPoint->rect(), onScreen(w.form, app::areas::dropMarker(w.form.session().dropPoint())));
        key(Qt::Key_Escape);
        QCOMPARE(g_heard, (QStringList{QStringLiteral("focus item Algeria"), QStringLiteral("focus item Angola"),
                                       QStringLiteral("say Country not yet named. 50% across, 50% down"),
                                       QStringLiteral("focus item Drop point for Angola"),
                                       QStringLiteral("say 56.9% across"),
                                       QStringLiteral("say Angola put back."), QStringLiteral("focus item Angola")}));
        QCOMPARE(list->childCount(), kListEntryCount);

        press(list->child(13));
        QCOMPARE(w.form.session().carried(), std::optional<int>(13));
        press(list->child(list->childCount() - 1));
        QVERIFY(!w.form.session().carried());
        QCOMPARE(g_heard.mid(g_heard.size() - 2),
                 (QStringList{QStringLiteral("say Not there: on a country not yet named."), QStringLiteral("focus item Egypt")}));
    }

    // An item stays registered after its name has left the list: its Press picks up nothing.
    void pressOnANameThatLeftTheListDoesNothing()
    {
        ShownWindow w;
        QAccessibleInterface *kenya = interfaceOf(&w.form.nameList())->child(21);
        w.drag(testing::pixelsOnListEntry(21), testing::pixelsOnCountry(21));
        press(kenya);
        QVERIFY(!w.form.session().picked());
    }

    // A window taken down hides its controls while its game is already gone: a client
    // that reads the window then finds nothing to read.
    void nothingIsReadOnceTheWindowIsTakenDown()
    {
        auto w = std::make_unique<ShownWindow>();
        static QAccessibleInterface *s_window;
        static QStringList s_read;
        s_window = interfaceOf(&w->form);
        s_read.clear();
        QCOMPARE(s_window->childCount(), 7);
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::ObjectHide)
                s_read << QStringLiteral("valid %1, %2 children").arg(s_window->isValid()).arg(s_window->childCount());
        });
        w.reset();
        QAccessible::installUpdateHandler(hear);
        QVERIFY(!s_read.isEmpty());
        QCOMPARE(s_read.filter(QStringLiteral("valid 1")), QStringList());
    }

    // Mouse and keyboard drops alike; the completion is said before its box, the new game after.
    void resultsAreSaid()
    {
        HeardBoxes boxes;
        HeardAnnouncer said;
        ShownWindow w(&boxes, &said);
        w.drag(testing::pixelsOnListEntry(13), testing::pixelsOnCountry(13));
        w.drag(testing::pixelsOnListEntry(21), testing::pixelsOnCountry(13));
        w.drag(testing::pixelsOnListEntry(21), QPoint(40, 600)); // the sea: nothing to say
        QTest::mouseClick(&w.form.pushButton1(), Qt::LeftButton);
        QCOMPARE(g_heard.filter(QStringLiteral("say ")), (QStringList{QStringLiteral("say Egypt placed. 1 of 48."),
                                       QStringLiteral("say Not there: on Egypt. Kenya is back in the list."),
                                       QStringLiteral("say New game. 48 names in the list.")}));
        for (int k = 0; k < kCountryCount - 1; ++k)
            w.drag(testing::pixelsOnListEntry(k), testing::pixelsOnCountry(k));
        // Left on Exit, the player finds the new game's first name after the box.
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.form.pushButton2().setFocus();
        g_heard.clear();
        w.drag(testing::pixelsOnListEntry(47), testing::pixelsOnCountry(47));
        QCOMPARE(QApplication::focusWidget(), &w.form.nameList());
        QCOMPARE(g_heard, (QStringList{QStringLiteral("say Zimbabwe placed. 48 of 48."),
                                       QStringLiteral("sent before the box"),
                                       QStringLiteral("box CONGRATULATIONS! THE MAP IS COMPLETE!"),
                                       QStringLiteral("say New game. 48 names in the list."),
                                       QStringLiteral("focus item Algeria")}));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
