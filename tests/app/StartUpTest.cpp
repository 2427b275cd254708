// Start-up of the window against program folders that hold or lack the optional files.
#include "FakePlatform.h"
#include "ProgramFolderFixture.h"

#include "app/startup/ApplicationTitle.h"
#include "app/startup/FormLoad.h"
#include "app/startup/HomePage.h"
#include "app/window/Form1.h"
#include "shell/BuildSettings.h"

#include <QApplication>
#include <QImageWriter>
#include <QRegularExpression>
#include <QtTest>

using testing::FakePlatform;
using testing::ProgramFolderFixture;

namespace {

struct StartedWindow {
    FakePlatform outside;
    app::Form1 form;

    explicit StartedWindow(const ProgramFolderFixture &folder, float clockSeconds = 1.0f, bool webRefuses = false)
        : form((outside.clock.seconds = clockSeconds, outside.web.refuses = webRefuses, outside.platform()),
               shell::ProgramFolder(folder.path()))
    {
        app::Form_Load(form);
    }

    QList<int> reportLines() const
    {
        static const QRegularExpression atLine(QStringLiteral("Form1\\.Form_Load at line (\\d+)\r\r"));
        QList<int> lines;
        for (const shell::BoxRequest &box : outside.boxes.shown)
            lines << atLine.match(box.text).captured(1).toInt();
        return lines;
    }
};

// A plain picture of one colour, saved in `format`.
QByteArray pictureBytes(int size, const char *format)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

float seedDrawing(int wanted, bool equal)
{
    for (int second = 0; second < 86400; ++second) {
        if ((app::homePageDraw(float(second)) == wanted) == equal)
            return float(second);
    }
    return -1;
}

} // namespace

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedFolderStartsQuietly()
    {
        ProgramFolderFixture folder;
        const auto before = folder.checksums();
        StartedWindow w(folder);
        QVERIFY(w.outside.boxes.shown.empty());
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Quillmere"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quillmere"));
        QVERIFY(w.form.windowIcon().availableSizes().contains(QSize(256, 256)));
        QVERIFY(w.form.windowIcon().availableSizes().contains(QSize(48, 48)));
        QVERIFY(w.form.pointer().hasMouseIcon());
        QCOMPARE(w.form.board().labels(0).caption, QStringLiteral("Algeria"));
        QCOMPARE(folder.checksums(), before);
    }

    void withoutSkinTheWindowStaysWhite()
    {
        ProgramFolderFixture folder;
        QDir().mkpath(folder.file(QStringLiteral("x/o.cjs"))); // a folder is no skin file
        StartedWindow w(folder);
        QCOMPARE(w.form.backColor(), QColor(Qt::white));
        QVERIFY(!w.form.skinFramework1().isLoaded());
        QVERIFY(w.form.styleSheet().isEmpty());
        QVERIFY(w.outside.boxes.shown.empty());
    }

    void skinColoursTheWindowThenApplies()
    {
        ProgramFolderFixture folder;
        const QByteArray sheet = "QPushButton { color: rgb(1, 2, 3); }";
        folder.write(QStringLiteral("x/o.cjs"), sheet);
        StartedWindow w(folder);
        const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
        QCOMPARE(w.form.backColor(), buttonFace);
        QCOMPARE(w.form.labelBackColor(), buttonFace);
        const app::SkinComponent &skin = w.form.skinFramework1();
        QVERIFY(skin.isLoaded());
        QCOMPARE(skin.options() & 1, 1);
        QVERIFY(skin.skinsDialogs() && skin.skinsFrame());
        QCOMPARE(w.form.styleSheet(), QString::fromUtf8(sheet));
        QVERIFY(w.outside.boxes.shown.empty());
    }

    void unloadableSkinIsReportedAtLine100AfterTheColours_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary") << QByteArray("\x89PNG\0\0\0", 7);
        QTest::newRow("not UTF-8") << QByteArray("QWidget { \xff\xfe }");
    }

    void unloadableSkinIsReportedAtLine100AfterTheColours()
    {
        QFETCH(QByteArray, bytes);
        ProgramFolderFixture folder;
        folder.write(QStringLiteral("x/o.cjs"), bytes);
        StartedWindow w(folder);
        QCOMPARE(w.reportLines(), QList<int>{100});
        QCOMPARE(w.form.backColor(), QGuiApplication::palette().color(QPalette::Button));
        QVERIFY(!w.form.skinFramework1().isLoaded());
        QCOMPARE(w.form.skinFramework1().options(), 0);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Quillmere")); // start-up went on
    }

    void missingCursorIsNoFailure()
    {
        ProgramFolderFixture folder;
        folder.remove(QStringLiteral("HAND-M.CUR"));
        StartedWindow w(folder);
        QVERIFY(w.outside.boxes.shown.empty());
        QVERIFY(!w.form.pointer().hasMouseIcon());
    }

    void brokenCursorIsReportedAtLine106_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("not a cursor at all") << false;
        QTest::newRow("a PNG renamed") << pictureBytes(8, "PNG") << false;
        QTest::newRow("truncated") << QByteArray("\0\0\2\0\1\0 \0\0\0\5\0\5\0", 14) << false;
        QTest::newRow("a folder") << QByteArray() << true;
    }

    void brokenCursorIsReportedAtLine106()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, asFolder);
        ProgramFolderFixture folder;
        folder.remove(QStringLiteral("HAND-M.CUR"));
        if (asFolder)
            QDir().mkpath(folder.file(QStringLiteral("HAND-M.CUR")));
        else
            folder.write(QStringLiteral("HAND-M.CUR"), bytes);
        StartedWindow w(folder);
        QCOMPARE(w.reportLines(), QList<int>{106});
        QCOMPARE(w.outside.boxes.shown[0].caption, QStringLiteral("Application Error"));
        QVERIFY(!w.form.pointer().hasMouseIcon());
        QCOMPARE(w.form.board().labels(47).caption, QStringLiteral("Zimbabwe"));
    }

    void cursorKeepsTheHotSpotOfItsFile()
    {
        // An icon file turned into a cursor: type 2, with the hot spot where an icon keeps planes and depth.
        QByteArray bytes = pictureBytes(32, "ICO");
        QVERIFY(!bytes.isEmpty());
        const QPoint hotSpot(5, 27);
        bytes[2] = 2;
        bytes[10] = char(hotSpot.x());
        bytes[11] = 0;
        bytes[12] = char(hotSpot.y());
        bytes[13] = 0;
        ProgramFolderFixture folder;
        folder.write(QStringLiteral("HAND-M.CUR"), bytes);
        StartedWindow w(folder);
        QVERIFY(w.outside.boxes.shown.empty());
        w.form.pointer().setMousePointer(app::WindowPointer::kCustom);
        const QCursor cursor = w.form.pointer().cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hotSpot);
    }

    void titleKeepsWordsUpToForty_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("one word") << QStringLiteral("Quillmere") << QStringLiteral("Quillmere");
        QTest::newRow("short") << QStringLiteral("Quillmere Map Quiz") << QStringLiteral("Quillmere Map");
        QTest::newRow("exactly forty after the cut")
            << QStringLiteral("%1 tail").arg(QString(40, u'a')) << QString(40, u'a');
        QTest::newRow("words cut down to forty")
            << QStringLiteral("%1 bb cc dd").arg(QString(38, u'a')) << QString(38, u'a');
        QTest::newRow("no space left") << QStringLiteral("%1 b").arg(QString(45, u'a')) << QString(45, u'a');
    }

    void titleKeepsWordsUpToForty()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(app::applicationTitleFor(name), title);
    }

    void homePageOpensOnAboutOneStartInAHundred()
    {
        std::array<int, 101> counts{};
        for (int tenth = 0; tenth < 864000; tenth += 7) {
            const int n = app::homePageDraw(float(tenth) / 10.0f);
            QVERIFY(n >= 1 && n <= 100);
            ++counts[n];
        }
        const double total = 864000 / 7 + 1;
        QVERIFY(counts[7] / total > 0.008 && counts[7] / total < 0.012);
        QVERIFY(*std::min_element(counts.begin() + 1, counts.end()) / total > 0.008);
    }

    void homePageOpensOnlyOnASeven_data()
    {
        QTest::addColumn<float>("seed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("draws 7") << seedDrawing(7, true) << true;
        QTest::newRow("draws another") << seedDrawing(7, false) << false;
        QTest::newRow("draws 8") << seedDrawing(8, true) << false;
    }

    void homePageOpensOnlyOnASeven()
    {
        QFETCH(float, seed);
        QFETCH(bool, opens);
        QVERIFY(seed >= 0);
        ProgramFolderFixture folder;
        StartedWindow w(folder, seed);
        QCOMPARE(w.outside.web.opened.size(), opens ? 1u : 0u);
        if (opens)
            QCOMPARE(w.outside.web.opened[0], QUrl(shell::homePageAddress()));
    }

    // A number from 1 to 100 in the environment decides the draw; anything else leaves it to the clock.
    void environmentDecidesTheDraw_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<float>("seed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("7 against the clock") << QByteArray("7") << seedDrawing(7, false) << true;
        QTest::newRow("1 against the clock") << QByteArray("1") << seedDrawing(7, true) << false;
        QTest::newRow("100 against the clock") << QByteArray("100") << seedDrawing(7, true) << false;
        QTest::newRow("0: the clock draws 7") << QByteArray("0") << seedDrawing(7, true) << true;
        QTest::newRow("101: the clock draws another") << QByteArray("101") << seedDrawing(7, false) << false;
        QTest::newRow("a word: the clock draws 7") << QByteArray("seven") << seedDrawing(7, true) << true;
    }

    void environmentDecidesTheDraw()
    {
        QFETCH(QByteArray, setting);
        QFETCH(float, seed);
        QFETCH(bool, opens);
        qputenv("QUILLMERE_HOME_PAGE_DRAW", setting);
        const auto restore = qScopeGuard([] { qunsetenv("QUILLMERE_HOME_PAGE_DRAW"); });
        ProgramFolderFixture folder;
        StartedWindow w(folder, seed);
        QCOMPARE(w.outside.web.opened.size(), opens ? 1u : 0u);
    }

    void homePageNobodyOpensIsReportedAndStartUpGoesOn()
    {
        ProgramFolderFixture folder;
        StartedWindow w(folder, seedDrawing(7, true), true);
        QCOMPARE(w.reportLines(), QList<int>{110});
        QCOMPARE(w.form.board().labels(47).caption, QStringLiteral("Zimbabwe"));
        QVERIFY(w.form.board().piccoor(155).visible);
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
