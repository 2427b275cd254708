// The real window, offscreen: its layout, what it paints, and play with the mouse.
#include "FakePlatform.h"
#include "MouseOnWindow.h"
#include "ProgramFolderFixture.h"
#include "ReadyBoard.h"
#include "ShownWindow.h"

#include "app/startup/AfterFirstFrame.h"
#include "app/window/BoardPainter.h"
#include "app/window/Form1.h"
#include "outside/qt/QtPlatform.h"
#include "quiz/BoardTables.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace quiz;
using testing::pixelsOnCountry;
using testing::pixelsOnListEntry;
using testing::ShownWindow;

namespace {

int pixelsBrighterThan(const QImage &image, const QRect &area, int lightness)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += QColor(image.pixel(x, y)).lightness() > lightness;
    return count;
}

int pixelsDarkerThan(const QImage &image, const QRect &area, int lightness)
{
    return area.width() * area.height() - pixelsBrighterThan(image, area, lightness - 1);
}

// Gathers the areas the window repaints.
struct PaintRecorder : QObject {
    QRegion painted;

    explicit PaintRecorder(QWidget &window) { window.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    bool covers(const QRect &area) const { return (QRegion(area) - painted).isEmpty(); }
};

// The mean difference of the colour channels over the map picture's part of `shot`,
// against `file` stretched into the picture's rectangle at the shot's pixel ratio.
double differenceFromMapPicture(const QImage &shot, const QString &file)
{
    const qreal ratio = shot.devicePixelRatio();
    const QRectF target = kMapPictureRect.toPixels();
    const QImage expected = QImage(file).scaled((target.size() * ratio).toSize(), Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
    const QPoint origin = (target.topLeft() * ratio).toPoint();
    double sum = 0;
    int count = 0;
    for (int y = 0; y < shot.height(); y += 3) {
        for (int x = origin.x(); x < origin.x() + expected.width(); x += 3) {
            const QColor a = shot.pixelColor(x, y);
            const QColor b = expected.pixelColor(x - origin.x(), y - origin.y());
            sum += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
            count += 3;
        }
    }
    return sum / count;
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void windowIsLaidOutAsDesigned()
    {
        ShownWindow w;
        QCOMPARE(w.form.size(), QSize(999, 706));
        QCOMPARE(w.form.minimumSize(), w.form.maximumSize());
        QVERIFY(!(w.form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.form.pushButton1().geometry(), QRect(592, 640, 192, 27));
        QCOMPARE(w.form.pushButton2().geometry(), QRect(792, 640, 192, 27));
        QCOMPARE(w.form.pushButton1().text(), QStringLiteral("Restart"));
        QCOMPARE(w.form.pushButton2().text(), QStringLiteral("Exit"));
        QCOMPARE(w.form.pushButton1().font().pixelSize(), 15);
        QVERIFY(w.form.pushButton2().font().bold());
        QCOMPARE(QFontInfo(w.form.pushButton1().font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(!w.form.rect().intersects(w.form.text1().geometry()));
        QCOMPARE(w.form.text1().focusPolicy(), Qt::NoFocus);
        QCOMPARE(QApplication::focusWidget(), &w.form.nameList());
        // Centred on the screen, give or take the few pixels of a frame that hangs off a small screen.
        const QPoint offCentre = w.form.geometry().center() - w.form.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    }

    // The hidden text box is never reached: a focus there would be seen and heard by nobody.
    void tabGoesRoundTheNamesAndTheButtons()
    {
        ShownWindow w;
        QWidget *expected[] = {&w.form.pushButton1(), &w.form.pushButton2(), &w.form.nameList()};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void paintsMapPanelAndList()
    {
        ShownWindow w;
        const QImage shot = w.picture();
        QCOMPARE(QColor(shot.pixel(0, 300)), QColor(Qt::white));   // bare surface left of the map
        const QImage map(QStringLiteral(":/pictures/map.jpg"));
        const QPoint mapPixel(350, 376); // stretched: x 2 + 350 * 575 / 700, y -12 + 376 * 726 / 752
        const QColor expected = map.pixelColor(mapPixel);
        const QColor drawn = shot.pixelColor(2 + 350 * 575 / 700, -12 + 376 * 726 / 752);
        QVERIFY(std::abs(expected.red() - drawn.red()) < 24 && std::abs(expected.blue() - drawn.blue()) < 24);
        const QColor panel = shot.pixelColor(990, 400);
        QVERIFY(panel.blue() > panel.red());
        const QRect firstEntry = listEntryRect(0).toPixels().toRect();
        QVERIFY(pixelsBrighterThan(shot, firstEntry, 240) > 20);
    }

    void dragToTheRightCountryPlacesTheName()
    {
        ShownWindow w;
        const int benin = 2;
        QTest::mousePress(&w.form, Qt::LeftButton, {}, pixelsOnListEntry(benin));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
        QTest::mouseMove(&w.form, pixelsOnCountry(benin));
        QTest::mouseRelease(&w.form, Qt::LeftButton, {}, pixelsOnCountry(benin));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!w.form.board().labels(benin).visible);
        QVERIFY(w.form.board().maplabel(benin).visible);
        QVERIFY(w.form.board().maplabel(benin).bold);
        QCOMPARE(w.outside.sound.played.size(), 1);
        QVERIFY(w.outside.sound.played[0].endsWith(QStringLiteral("sounds/correct.wma")));

        const QImage shot = w.picture();
        QCOMPARE(pixelsBrighterThan(shot, listEntryRect(benin).toPixels().toRect().adjusted(0, 5, 0, -5), 240), 0);
        QVERIFY(pixelsDarkerThan(shot, kSlotRects[benin].toPixels().toRect(), 60) > 10);
        const QLineF line = kLeaderLines[0].ends.toPixels();
        const QPoint middle = line.pointAt(0.5).toPoint();
        QVERIFY(pixelsDarkerThan(shot, QRect(middle - QPoint(1, 1), QSize(3, 3)), 100) > 0);
    }

    void dropsRepaintWhatTheyChangeAndNoMore()
    {
        ShownWindow w;
        PaintRecorder recorder(w.form);
        const int benin = 2;
        w.drag(pixelsOnListEntry(benin), pixelsOnCountry(benin));
        QTRY_VERIFY(!recorder.painted.isEmpty());
        QVERIFY(recorder.covers(listEntryRect(benin).toPixels().toAlignedRect()));
        QVERIFY(recorder.covers(kSlotRects[benin].toPixels().toAlignedRect()));
        const QLineF line = kLeaderLines[0].ends.toPixels();
        for (qreal t = 0; t <= 1; t += 0.125)
            QVERIFY(recorder.covers(QRect(line.pointAt(t).toPoint(), QSize(1, 1))));
        QVERIFY(recorder.painted.boundingRect().width() < w.form.width() || recorder.painted.rectCount() > 1);
        QTRY_COMPARE(w.shown(), w.fullPaint());

        // A wrong drop changes nothing that shows.
        recorder.painted = {};
        w.drag(pixelsOnListEntry(0), pixelsOnCountry(1));
        QCoreApplication::processEvents();
        QVERIFY(recorder.painted.isEmpty());

        QTest::mouseClick(&w.form.pushButton1(), Qt::LeftButton);
        QTRY_VERIFY(recorder.covers(kSlotRects[benin].toPixels().toAlignedRect()));
        QTRY_COMPARE(w.shown(), w.fullPaint());
    }

    void windowPaintedWhileTheCompletionBoxIsOpenKeepsNoPlacedName()
    {
        ShownWindow w;
        // The box hides part of the window and shows it again, with the 48th name placed.
        w.outside.boxes.whileOpen = [&](const shell::BoxRequest &) { w.form.repaint(); };
        for (int row = 0; row < kCountryCount; ++row)
            w.drag(pixelsOnListEntry(row), pixelsOnCountry(row));
        QCOMPARE(w.outside.boxes.shown.size(), std::size_t(1));
        QTRY_COMPARE(w.shown(), w.fullPaint());
    }

    void workAfterTheFirstFrameWaitsForItAndRunsOnce()
    {
        QWidget window;
        window.resize(200, 100);
        QStringList done;
        struct PaintLog : QObject {
            QStringList &done;
            explicit PaintLog(QStringList &log) : done(log) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    done << QStringLiteral("paint");
                return false;
            }
        } paints(done);
        window.installEventFilter(&paints);
        app::afterFirstFrame(window, [&] { done << QStringLiteral("asked first"); });
        app::afterFirstFrame(window, [&] { done << QStringLiteral("asked last"); });
        QCoreApplication::processEvents();
        QVERIFY(done.isEmpty());
        window.show();
        QTRY_VERIFY(done.contains(QStringLiteral("asked first")));
        QCOMPARE(done.indexOf(QStringLiteral("paint")), 0);
        QVERIFY(done.indexOf(QStringLiteral("asked last")) < done.indexOf(QStringLiteral("asked first")));
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(done.count(QStringLiteral("asked first")), 1);
    }

    void picturesFollowThePixelRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<QString>("other");
        QTest::newRow("1") << 1.0 << QStringLiteral(":/pictures/map.jpg") << QStringLiteral(":/pictures/map@2x.jpg");
        QTest::newRow("2") << 2.0 << QStringLiteral(":/pictures/map@2x.jpg") << QStringLiteral(":/pictures/map.jpg");
    }

    void picturesFollowThePixelRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QString, drawn);
        QFETCH(QString, other);
        const testing::ReadyBoard ready;
        app::BoardPainter painter; // prepared for the offscreen screen, whose ratio is 1
        const QRect window(QPoint(), kClientRect.toPixels().toRect().size());
        QImage shot(window.size() * ratio, QImage::Format_RGB32);
        shot.setDevicePixelRatio(ratio);
        shot.fill(Qt::white);
        QPainter p(&shot);
        painter.paint(p, ready.board, ratio, window);
        p.end();
        const double difference = differenceFromMapPicture(shot, drawn);
        QVERIFY2(difference < 1, qPrintable(QString::number(difference)));
        QVERIFY(difference < differenceFromMapPicture(shot, other));
    }

    void dropsThatAreNotRight_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("sound");
        QTest::newRow("another country") << pixelsOnCountry(1) << QStringLiteral("sounds/wrong.wma");
        QTest::newRow("the sea") << QPoint(540, 660) << QString();
        QTest::newRow("a list name") << pixelsOnListEntry(30) << QString();
        QTest::newRow("itself") << pixelsOnListEntry(0) << QString();
    }

    void dropsThatAreNotRight()
    {
        QFETCH(QPoint, to);
        QFETCH(QString, sound);
        ShownWindow w;
        w.drag(pixelsOnListEntry(0), to);
        QVERIFY(w.form.board().labels(0).visible);
        QCOMPARE(w.form.board().placedCount(), 0);
        QCOMPARE(w.outside.sound.played.size(), sound.isEmpty() ? 0 : 1);
        if (!sound.isEmpty())
            QVERIFY(w.outside.sound.played[0].endsWith(sound));
    }

    void dragsCutShortLeaveTheBoardAsItWas()
    {
        ShownWindow w;
        // Released off the window.
        w.drag(pixelsOnListEntry(0), QPoint(1200, 300));
        // A second press during a drag is ignored; the first drag ends at the release.
        QTest::mousePress(&w.form, Qt::LeftButton, {}, pixelsOnListEntry(1));
        QTest::mousePress(&w.form, Qt::RightButton, {}, pixelsOnListEntry(5));
        QCOMPARE(w.form.session().picked(), std::optional<int>(1));
        QTest::mouseRelease(&w.form, Qt::RightButton, {}, pixelsOnCountry(5));
        QCOMPARE(w.form.session().picked(), std::optional<int>(1));
        // Losing the focus mid-drag ends it without a drop.
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&w.form, &deactivate);
        QVERIFY(!w.form.session().picked());
        QVERIFY(!QGuiApplication::overrideCursor());
        QTest::mouseRelease(&w.form, Qt::LeftButton, {}, pixelsOnCountry(1));
        for (int k = 0; k < kCountryCount; ++k)
            QVERIFY(w.form.board().labels(k).visible);
        QCOMPARE(w.form.board().placedCount(), 0);
        QVERIFY(w.outside.sound.played.isEmpty());
    }

    void hoverOverButtonsShowsTheCustomPointer()
    {
        ShownWindow w;
        QCOMPARE(w.form.cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(&w.form.pushButton2(), QPoint(20, 10));
        QCOMPARE(w.form.pointer().mousePointer(), 99);
        QCOMPARE(w.form.cursor().shape(), Qt::BitmapCursor);
        QTest::mouseMove(&w.form, pixelsOnCountry(0)); // the map keeps whatever pointer there is
        QCOMPARE(w.form.pointer().mousePointer(), 99);
        QTest::mouseMove(&w.form, QPoint(990, 500)); // the panel brings the normal one back
        QCOMPARE(w.form.pointer().mousePointer(), 0);
        QCOMPARE(w.form.cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(&w.form.pushButton1(), QPoint(20, 10));
        QTest::mouseMove(&w.form, QPoint(0, 300)); // so does the bare surface
        QCOMPARE(w.form.pointer().mousePointer(), 0);
    }

    void restartPutsEveryNameBack()
    {
        ShownWindow w;
        w.drag(pixelsOnListEntry(13), pixelsOnCountry(13));
        QVERIFY(!w.form.board().labels(13).visible);
        QTest::mouseClick(&w.form.pushButton1(), Qt::LeftButton);
        QVERIFY(w.form.board().labels(13).visible);
        QVERIFY(!w.form.board().maplabel(13).visible);
        QCOMPARE(w.form.board().placedCount(), 0);
    }

    void exitClosesTheWindow()
    {
        ShownWindow w;
        QTest::mouseClick(&w.form.pushButton2(), Qt::LeftButton);
        QVERIFY(!w.form.isVisible());
        QVERIFY(w.outside.boxes.shown.empty());
    }

    void completionShowsTheRealBoxThenANewGame()
    {
        outside::QtMessageBox realBoxes;
        ShownWindow w(&realBoxes);
        for (int row = 0; row < kCountryCount - 1; ++row)
            w.drag(pixelsOnListEntry(row), pixelsOnCountry(row));
        QCOMPARE(w.form.board().placedCount(), 47);

        QString text;
        QString caption;
        QMessageBox::Icon icon = QMessageBox::Warning;
        int buttons = 0;
        bool lastDropShownBehindTheBox = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            // What the screen shows of the window, not a fresh rendering of it.
            const QRect slot = kSlotRects[47].toPixels().toRect();
            lastDropShownBehindTheBox = QTest::qWaitFor([&] {
                const QImage onScreen = w.form.screen()->grabWindow(w.form.winId()).toImage();
                return pixelsDarkerThan(onScreen, slot, 60) > 10;
            });
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            buttons = int(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        w.drag(pixelsOnListEntry(47), pixelsOnCountry(47));
        QCOMPARE(text, QStringLiteral("CONGRATULATIONS! THE MAP IS COMPLETE!"));
        QCOMPARE(caption, QStringLiteral("Quillmere"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QVERIFY(lastDropShownBehindTheBox);
        QVERIFY(w.outside.sound.played.last().endsWith(QStringLiteral("sounds/complete.wma")));
        QCOMPARE(w.form.board().placedCount(), 0);
        QVERIFY(w.form.board().labels(47).visible);
        QVERIFY(!w.form.board().maplabel(0).visible);
    }

    void errorBoxShowsItsLinesOnScreen()
    {
        outside::QtMessageBox realBoxes;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        realBoxes.show({QStringLiteral("a\r\nb\r\rc"), QStringLiteral("Application Error"), shell::BoxRequest::Icon::Warning});
        QCOMPARE(text, QStringLiteral("a\nb\n\nc"));
        QCOMPARE(icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
