// Reading the country list into the name list, on real files in a program folder
// of the test's own.
#include "ReadyBoard.h"

#include "quiz/BoardTables.h"
#include "quiz/CountryListFile.h"
#include "quiz/DropRules.h"
#include "quiz/Windows1252.h"

#include <QStringDecoder>
#include <QtTest>

using namespace quiz;
using testing::ProgramFolderFixture;
using testing::ReadyBoard;

namespace {

QByteArray namesJoinedBy(const QByteArray &lineEnd, int count = kCountryCount)
{
    QByteArray bytes;
    for (int k = 0; k < count; ++k)
        bytes += kCountryNames[k % kCountryCount].toString().toLatin1() + lineEnd;
    return bytes;
}

auto listOf(QByteArray bytes)
{
    return [bytes](ProgramFolderFixture &folder) { folder.write(QStringLiteral("items.txt"), bytes); };
}

void verifyShippedNames(const ReadyBoard &b)
{
    for (int k = 0; k < kCountryCount; ++k) {
        QCOMPARE(b.board.labels(k).caption, kCountryNames[k].toString());
        QCOMPARE(b.board.labels(k).tag, kCountryNames[k].toString());
    }
}

int hotspotOf(int country)
{
    const auto named = [&](const Hotspot &h) { return h.tag == kCountryNames[country]; };
    return int(std::find_if(kHotspots.begin(), kHotspots.end(), named) - kHotspots.begin());
}

} // namespace

class CountryListTest : public QObject
{
    Q_OBJECT

private slots:
    void lineEndsAllReadTheSame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("shipped CR LF") << namesJoinedBy("\r\n");
        QTest::newRow("no final line end") << namesJoinedBy("\r\n").chopped(2);
        QTest::newRow("lone CR") << namesJoinedBy("\r");
        QTest::newRow("lone LF") << namesJoinedBy("\n");
    }

    void lineEndsAllReadTheSame()
    {
        QFETCH(QByteArray, bytes);
        ReadyBoard b(listOf(bytes));
        QVERIFY(b.outside.boxes.shown.empty());
        verifyShippedNames(b);
    }

    void shippedListIsReadAsIs()
    {
        ReadyBoard b;
        QVERIFY(b.outside.boxes.shown.empty());
        verifyShippedNames(b);
    }

    void captionIsTheFirstFieldAndTagTheWholeLine()
    {
        ReadyBoard b(listOf("Algeria,North Africa\r\nAngola  \r\n"));
        QCOMPARE(b.board.labels(0).caption, QStringLiteral("Algeria"));
        QCOMPARE(b.board.labels(0).tag, QStringLiteral("Algeria,North Africa"));
        QCOMPARE(b.board.labels(1).caption, QStringLiteral("Angola  "));
        QCOMPARE(b.board.labels(1).tag, QStringLiteral("Angola  "));
        QCOMPARE(b.board.labels(2).caption, QStringLiteral("Label3"));
        QVERIFY(b.board.labels(2).tag.isEmpty());
        QVERIFY(b.outside.boxes.shown.empty());
    }

    void blankLineIsReportedTwiceAndUsesUpItsEntry()
    {
        ReadyBoard b(listOf("Algeria\r\n\r\nBenin\r\n"));
        QCOMPARE(b.reportLines(), (QList<int>{144, 150}));
        QCOMPARE(b.board.labels(1).caption, QStringLiteral("Label3"));
        QVERIFY(b.board.labels(1).tag.isEmpty());
        QCOMPARE(b.board.labels(2).caption, QStringLiteral("Benin"));
    }

    void extraEmptyLineAtTheEndChangesNoName()
    {
        ReadyBoard b(listOf(namesJoinedBy("\r\n") + "\r\n"));
        QCOMPARE(b.reportLines(), (QList<int>{144, 150}));
        verifyShippedNames(b);
    }

    void linesPastTheListAreReportedTwiceEach()
    {
        ReadyBoard b(listOf(namesJoinedBy("\r\n", 50)));
        QCOMPARE(b.reportLines(), (QList<int>{144, 150, 144, 150}));
        QVERIFY(b.outside.boxes.shown[0].text.contains(QStringLiteral("Form1.Form_Load at line 144")));
        verifyShippedNames(b);
    }

    void manyFaultyLinesEndInOneFinalReport()
    {
        ReadyBoard b(listOf(namesJoinedBy("\r\n", 1000)));
        QList<int> twelveThenOne;
        for (int faulty = 0; faulty < 6; ++faulty)
            twelveThenOne << 144 << 150;
        twelveThenOne << 144;
        QCOMPARE(b.reportLines(), twelveThenOne);
        QVERIFY(b.outside.boxes.shown.back().text.startsWith(
            QStringLiteral("Too many faulty lines in items.txt: the rest of them are not reported\r\n")));
        verifyShippedNames(b);
        QVERIFY(b.board.piccoor(155).visible); // set-up went on past the list
    }

    // Blank lines use up their entries; every other line still fills its own, and
    // its name is judged right on its country however many reports came before.
    void blankLinesLeaveEveryOtherNamePlayable_data()
    {
        QTest::addColumn<QList<int>>("blank");
        QTest::addColumn<int>("boxes");
        QTest::newRow("six near the top") << QList<int>{1, 3, 5, 7, 9, 11} << 12;
        QList<int> spread;
        for (int k = 2; k < kCountryCount; k += 4)
            spread << k;
        QTest::newRow("twelve spread over the file") << spread << 13;
    }

    void blankLinesLeaveEveryOtherNamePlayable()
    {
        QFETCH(QList<int>, blank);
        QFETCH(int, boxes);
        QByteArray bytes;
        for (int k = 0; k < kCountryCount; ++k)
            bytes += (blank.contains(k) ? QByteArray() : kCountryNames[k].toString().toLatin1()) + "\r\n";
        ReadyBoard b(listOf(bytes));
        QCOMPARE(int(b.outside.boxes.shown.size()), boxes);
        for (int k = 0; k < kCountryCount; ++k) {
            if (blank.contains(k)) {
                QCOMPARE(b.board.labels(k).caption, QStringLiteral("Label3"));
                continue;
            }
            QCOMPARE(b.board.labels(k).tag, kCountryNames[k].toString());
            piccoor_DragDrop(b.quiz, hotspotOf(k), k);
            QVERIFY2(b.board.maplabel(k).visible, qPrintable(kCountryNames[k].toString()));
        }
    }

    void shortOrEmptyListsKeepTheDesignCaptions_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("filled");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("47 lines") << namesJoinedBy("\r\n", 47) << 47;
    }

    void shortOrEmptyListsKeepTheDesignCaptions()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, filled);
        ReadyBoard b(listOf(bytes));
        QVERIFY(b.outside.boxes.shown.empty());
        for (int k = filled; k < kCountryCount; ++k) {
            QCOMPARE(b.board.labels(k).caption, QStringLiteral("Label3"));
            QVERIFY(b.board.labels(k).visible);
        }
    }

    void unopenableListIsReportedOnceAndSetUpGoesOn_data()
    {
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("missing") << false;
        QTest::newRow("a folder") << true;
    }

    void unopenableListIsReportedOnceAndSetUpGoesOn()
    {
        QFETCH(bool, asFolder);
        ReadyBoard b([&](ProgramFolderFixture &folder) {
            folder.remove(QStringLiteral("items.txt"));
            if (asFolder)
                QDir().mkpath(folder.file(QStringLiteral("items.txt")));
        });
        QCOMPARE(b.reportLines(), QList<int>{132});
        QCOMPARE(b.board.labels(0).caption, QStringLiteral("Label3"));
        QVERIFY(b.board.piccoor(155).visible);
        QVERIFY(!b.board.shape(0).visible);
    }

    void unreadableListIsReportedOnce()
    {
        ProgramFolderFixture probe;
        QFile::setPermissions(probe.file(QStringLiteral("items.txt")), QFileDevice::WriteOwner);
        if (QFile(probe.file(QStringLiteral("items.txt"))).open(QIODevice::ReadOnly))
            QSKIP("file permissions do not bind this user (root)");
        ReadyBoard b([](ProgramFolderFixture &folder) {
            QFile::setPermissions(folder.file(QStringLiteral("items.txt")), QFileDevice::WriteOwner);
        });
        QCOMPARE(b.reportLines(), QList<int>{132});
    }

    void encodingsOfCoteDIvoire_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << QByteArray("C\xf4te d'Ivoire\r\n");
        QTest::newRow("UTF-8") << QByteArray("C\xc3\xb4te d'Ivoire\r\n");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf" "C\xc3\xb4te d'Ivoire\r\n");
        QTest::newRow("UTF-16 with mark")
            << QByteArray("\xff\xfe" "C\0\xf4\0t\0e\0 \0d\0'\0I\0v\0o\0i\0r\0e\0\r\0\n\0", 32);
    }

    void encodingsOfCoteDIvoire()
    {
        QFETCH(QByteArray, bytes);
        ReadyBoard b(listOf(bytes));
        QVERIFY(b.outside.boxes.shown.empty());
        QCOMPARE(b.board.labels(0).tag, kCountryNames[10].toString());
    }

    void windows1252KeepsItsOwnLetters()
    {
        // Not valid UTF-8, so every byte is a Windows-1252 character, the undefined ones included.
        QCOMPARE(decodeCountryList(QByteArray("\x80\x81\x8d\x9f\xe9")), QStringLiteral("\u20ac\u0081\u008d\u0178\u00e9"));
        QCOMPARE(decodeCountryList(QByteArray("S\xe3o Tom\xe9")), QStringLiteral("S\u00e3o Tom\u00e9"));
    }

    void windows1252TableAgreesWithIcu()
    {
        // Where Qt has ICU (Debian's Qt), its decoder checks every byte of the table.
        QStringDecoder icu("windows-1252");
        if (!icu.isValid())
            QSKIP("this Qt has no Windows-1252 decoder of its own");
        QByteArray everyByte(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            everyByte[b] = char(b);
        QCOMPARE(fromWindows1252(everyByte), icu.decode(everyByte));
    }

    // The cut is told of by the last box, however many faulty lines were reported
    // before it, or passed over once the reports ran out.
    void oversizedFileIsCutWithOneReport_data()
    {
        QTest::addColumn<int>("faultyLines");
        QTest::addColumn<int>("boxesBeforeTheCut");
        QTest::newRow("no faulty line") << 0 << 0;
        QTest::newRow("six faulty lines: every report spent") << 6 << 12;
        QTest::newRow("ten faulty lines: past the reports") << 10 << 13;
    }

    void oversizedFileIsCutWithOneReport()
    {
        QFETCH(int, faultyLines);
        QFETCH(int, boxesBeforeTheCut);
        const QByteArray blankLines = QByteArray("\r\n").repeated(faultyLines);
        QByteArray oneLine(3 * CountryListFile::kMaxBytes, 'x');
        oneLine.prepend("Algeria ");
        ReadyBoard b(listOf(blankLines + oneLine));
        QCOMPARE(int(b.outside.boxes.shown.size()), boxesBeforeTheCut + 1);
        QCOMPARE(b.reportLines().back(), 136);
        QVERIFY(b.outside.boxes.shown.back().text.contains(QStringLiteral("the rest of it was ignored")));
        QCOMPARE(b.board.labels(faultyLines).caption.size(), CountryListFile::kMaxBytes - 2 * faultyLines);
        QCOMPARE(b.board.labels(faultyLines + 1).caption, QStringLiteral("Label3"));
    }

    // The cut falls inside an "ô" of a line past the list: what comes before it is
    // still UTF-8, so the names read right and Côte d'Ivoire can be placed.
    void utf8FileCutInsideACharacterStaysUtf8()
    {
        QByteArray bytes;
        for (const QStringView name : kCountryNames)
            bytes += name.toUtf8() + "\r\n";
        if ((CountryListFile::kMaxBytes - bytes.size()) % 2 == 0)
            bytes += 'x';
        bytes += QByteArray("\xc3\xb4").repeated(CountryListFile::kMaxBytes / 2);
        QCOMPARE(bytes.at(CountryListFile::kMaxBytes - 1), '\xc3');
        ReadyBoard b(listOf(bytes));
        QCOMPARE(b.reportLines(), (QList<int>{144, 150, 136})); // the line past the list, then the cut
        verifyShippedNames(b);
        piccoor_DragDrop(b.quiz, hotspotOf(10), 10);
        QVERIFY(b.board.maplabel(10).visible);
    }

    // A UTF-16 list cut inside a character ends on a whole character, even where
    // the file's own units before the cut were first halves without a second.
    void utf16CutEndsOnAWholeCharacter_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("pair split") << QByteArray("\xfe\xff\0A\xd8\x3d\xde", 7) << QStringLiteral("A");
        QTest::newRow("lone first halves, then the cut")
            << QByteArray("\xfe\xff\xda\xff\xda\xff\xff", 7) << QString();
    }

    void utf16CutEndsOnAWholeCharacter()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeCountryList(bytes, true), text);
    }

    void binaryFileIsBounded()
    {
        QByteArray noise(4 * CountryListFile::kMaxBytes, '\0');
        quint32 state = 12345;
        for (char &c : noise) {
            state = state * 1664525u + 1013904223u;
            c = char(state >> 24);
        }
        ReadyBoard b(listOf(noise));
        QVERIFY(b.outside.boxes.shown.size() <= 14u);
        QVERIFY(b.board.piccoor(155).visible);
    }

    void readingWritesNothing()
    {
        ProgramFolderFixture folder;
        const auto before = folder.checksums();
        {
            testing::FakePlatform outside;
            Board board;
            Quiz quiz{board, outside.boxes, outside.sound, shell::ProgramFolder(folder.path()), outside.collation};
            shell::ErrorTrap trap(outside.boxes, QStringLiteral("Form1.Form_Load"));
            setUpBoard(quiz, trap);
        }
        QCOMPARE(folder.checksums(), before);
    }
};

QTEST_GUILESS_MAIN(CountryListTest)
#include "CountryListTest.moc"
