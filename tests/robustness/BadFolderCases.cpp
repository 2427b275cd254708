#include "BadFolderCases.h"

#include "QuizWindow.h"

#include "quiz/BoardTables.h"
#include "quiz/CountryListFile.h"

#include <QFile>
#include <QStringEncoder>

namespace testing {

namespace {

using Lines = QList<QByteArray>;

QString load(int line)
{
    return reportAt(u"Form1.Form_Load", line);
}

// A faulty line costs two reports; after twelve, one more says the rest go unreported.
QStringList faultyLinesPastTheReportBound()
{
    QStringList reports;
    for (int faulty = 0; faulty < 6; ++faulty)
        reports << load(144) << load(150);
    return reports << load(144);
}

// Each blank line reported twice, all within the bound.
QStringList sixBlankLines()
{
    return faultyLinesPastTheReportBound().mid(0, 12);
}

Lines shippedLines()
{
    Lines lines;
    for (QStringView name : quiz::kCountryNames)
        lines << name.toString().toLatin1(); // the shipped file is Windows-1252, as Latin-1 for these names
    return lines;
}

Lines shippedLinesWith(std::map<int, QByteArray> changed)
{
    Lines lines = shippedLines();
    for (const auto &[k, line] : changed)
        lines[k] = line;
    return lines;
}

QByteArray joined(const Lines &lines, const QByteArray &lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + lineEnd;
    return bytes;
}

QStringList shippedNames()
{
    QStringList names;
    for (QStringView name : quiz::kCountryNames)
        names << name.toString();
    return names;
}

QStringList shippedNamesUpTo(int count)
{
    QStringList captions = shippedNames().mid(0, count);
    while (captions.size() < quiz::kListEntryCount)
        captions << quiz::kListEntryDesignCaption.toString();
    return captions;
}

QStringList designCaptions()
{
    return shippedNamesUpTo(0);
}

QStringList shippedNamesWith(std::map<int, QString> changed)
{
    QStringList captions = shippedNames();
    for (const auto &[k, caption] : changed)
        captions[k] = caption;
    return captions;
}

QByteArray utf16List(QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    QString text;
    for (const QString &name : shippedNames())
        text += name + QStringLiteral("\r\n");
    return encoder.encode(text);
}

QByteArray resource(const QString &path)
{
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    return in.readAll();
}

auto write(QString file, QByteArray bytes)
{
    return [=](CaseFolder &folder) { folder.write(file, bytes); };
}

auto remove(QString file)
{
    return [=](CaseFolder &folder) { folder.remove(file); };
}

auto folderAt(QString file)
{
    return [=](CaseFolder &folder) { folder.replaceWithFolder(file); };
}

auto pipeAt(QString file)
{
    return [=](CaseFolder &folder) { folder.replaceWithPipe(file); };
}

auto unreadable(QString file)
{
    return [=](CaseFolder &folder) { folder.denyReading(file); };
}

const QString kList = QStringLiteral("items.txt");
const QString kDesign = quiz::kListEntryDesignCaption.toString();
const QString kCursor = QStringLiteral("HAND-M.CUR");
const QString kSkin = QStringLiteral("x/o.cjs");
const QStringList kSounds{QStringLiteral("sounds/correct.wma"), QStringLiteral("sounds/wrong.wma"),
                          QStringLiteral("sounds/complete.wma")};

auto everySound(QByteArray bytes)
{
    return [=](CaseFolder &folder) {
        for (const QString &sound : kSounds)
            folder.write(sound, bytes);
    };
}

// A right and a wrong drop: the game is still judged.
const std::vector<Drop> kRightAndWrong{{0, 0, Drop::Placed}, {1, 0, Drop::Stays}};

// Every name to its country, with wrong drops between them, to the completion and the new game after it.
std::vector<Drop> wholeGame()
{
    std::vector<Drop> drops;
    for (int k = 0; k < quiz::kCountryCount; ++k) {
        if (k + 1 < quiz::kCountryCount)
            drops.push_back({k + 1, k, Drop::Stays});
        drops.push_back({k, k, k + 1 < quiz::kCountryCount ? Drop::Placed : Drop::Completes});
    }
    return drops;
}

std::vector<BadFolderCase> makeCases()
{
    const QString tenMegabyteLine = QStringLiteral("Algeria") + QString(10 << 20, u'x');
    return {
        {.name = QStringLiteral("shipped folder"), .spoil = [](CaseFolder &) {}, .captions = shippedNames(),
         .drops = kRightAndWrong, .sounds = Sounds::Heard},

        {.name = QStringLiteral("items.txt missing"), .spoil = remove(kList), .reports = {load(132)},
         .captions = designCaptions(), .drops = {{0, 0, Drop::Stays}}},
        {.name = QStringLiteral("items.txt unreadable"), .spoil = unreadable(kList), .reports = {load(132)},
         .captions = designCaptions(), .drops = {{0, 0, Drop::Stays}}, .needsBindingPermissions = true},
        {.name = QStringLiteral("items.txt a folder"), .spoil = folderAt(kList), .reports = {load(132)},
         .captions = designCaptions()},
        {.name = QStringLiteral("items.txt a named pipe"), .spoil = pipeAt(kList), .reports = {load(132)},
         .captions = designCaptions()},
        {.name = QStringLiteral("items.txt empty"), .spoil = write(kList, {}), .captions = designCaptions(),
         .drops = {{0, 0, Drop::Stays}}},
        {.name = QStringLiteral("items.txt only blank lines"), .spoil = write(kList, joined(Lines(48))),
         .reports = faultyLinesPastTheReportBound(), .captions = designCaptions()},
        {.name = QStringLiteral("items.txt six blank lines among the names"),
         .spoil = write(kList, joined(shippedLinesWith({{1, {}}, {3, {}}, {5, {}}, {7, {}}, {9, {}}, {11, {}}}))),
         .reports = sixBlankLines(),
         .captions = shippedNamesWith({{1, kDesign}, {3, kDesign}, {5, kDesign}, {7, kDesign}, {9, kDesign},
                                       {11, kDesign}}),
         .drops = {{12, 12, Drop::Placed}, {19, 19, Drop::Placed}, {28, 28, Drop::Placed}, {37, 37, Drop::Placed},
                   {46, 46, Drop::Placed}, {13, 12, Drop::Stays}}},
        {.name = QStringLiteral("items.txt 47 lines"), .spoil = write(kList, joined(shippedLines().mid(0, 47))),
         .captions = shippedNamesUpTo(47), .drops = {{46, 46, Drop::Placed}, {47, 47, Drop::Stays}}},
        {.name = QStringLiteral("items.txt 49 lines"), .spoil = write(kList, joined(shippedLines() << "Algeria")),
         .reports = {load(144), load(150)}, .captions = shippedNames(), .drops = kRightAndWrong},
        {.name = QStringLiteral("items.txt 1000 lines"),
         .spoil = write(kList, joined(shippedLines() + Lines(1000 - 48, "Algeria"))),
         .reports = faultyLinesPastTheReportBound(), .captions = shippedNames(), .drops = kRightAndWrong},
        {.name = QStringLiteral("items.txt lone LF line ends"), .spoil = write(kList, joined(shippedLines(), "\n")),
         .captions = shippedNames(), .drops = kRightAndWrong},
        {.name = QStringLiteral("items.txt UTF-16 with byte-order mark"),
         .spoil = write(kList, utf16List(QStringConverter::Utf16LE)), .captions = shippedNames(),
         .drops = {{10, 10, Drop::Placed}}},
        {.name = QStringLiteral("items.txt UTF-16 big-endian with byte-order mark"),
         .spoil = write(kList, utf16List(QStringConverter::Utf16BE)), .captions = shippedNames(),
         .drops = {{10, 10, Drop::Placed}}},
        {.name = QStringLiteral("items.txt NUL bytes"),
         .spoil = write(kList, joined(shippedLinesWith({{0, QByteArray("Alg\0eria", 8)}, {1, QByteArray(3, '\0')}}))),
         .captions = shippedNamesWith({{0, QString::fromLatin1("Alg\0eria", 8)}, {1, QString(3, QChar(0))}}),
         .drops = {{0, 0, Drop::Stays}, {1, 1, Drop::Stays}, {2, 2, Drop::Placed}}},
        {.name = QStringLiteral("items.txt bytes 0x81 and 0x8D"),
         .spoil = write(kList, joined(shippedLinesWith({{0, "Algeria\x81"}, {1, "\x8d" "Angola"}}))),
         .captions = shippedNamesWith({{0, QStringLiteral("Algeria\u0081")}, {1, QStringLiteral("\u008dAngola")}}),
         .drops = {{0, 0, Drop::Stays}, {1, 1, Drop::Stays}, {2, 2, Drop::Placed}}},
        {.name = QStringLiteral("items.txt of 100 MB"),
         .spoil = [](CaseFolder &folder) { folder.writeRepeated(kList, joined(shippedLines()), 100 << 20); },
         .reports = faultyLinesPastTheReportBound() << load(136), .captions = shippedNames(), .drops = kRightAndWrong},
        {.name = QStringLiteral("items.txt one line of 10 MB"), .spoil = write(kList, tenMegabyteLine.toLatin1()),
         .reports = {load(136)},
         .captions = QStringList{tenMegabyteLine.left(quiz::CountryListFile::kMaxBytes)} + designCaptions().mid(1),
         .drops = {{0, 0, Drop::Stays}}},
        {.name = QStringLiteral("items.txt names with tabs, trailing spaces, commas, other case"),
         .spoil = write(kList, joined(shippedLinesWith({{0, "Algeria\t"}, {1, "Angola   "}, {2, "Benin,West Africa"},
                                                        {3, "BOTSWANA"}}))),
         .captions = shippedNamesWith({{0, QStringLiteral("Algeria\t")}, {1, QStringLiteral("Angola   ")},
                                       {2, QStringLiteral("Benin")}, {3, QStringLiteral("BOTSWANA")}}),
         .drops = {{0, 0, Drop::Stays}, {1, 1, Drop::Placed}, {2, 2, Drop::Stays}, {3, 3, Drop::Stays},
                   {4, 4, Drop::Placed}}},

        {.name = QStringLiteral("HAND-M.CUR empty"), .spoil = write(kCursor, {}), .reports = {load(106)},
         .captions = shippedNames(), .drops = kRightAndWrong, .pointerImage = false},
        {.name = QStringLiteral("HAND-M.CUR truncated"),
         .spoil = [](CaseFolder &folder) { folder.write(kCursor, folder.read(kCursor).left(40)); },
         .reports = {load(106)}, .captions = shippedNames(), .pointerImage = false},
        {.name = QStringLiteral("HAND-M.CUR a PNG renamed"),
         .spoil = write(kCursor, resource(QStringLiteral(":/pictures/pushpin.png"))), .reports = {load(106)},
         .captions = shippedNames(), .pointerImage = false},
        {.name = QStringLiteral("HAND-M.CUR a folder"), .spoil = folderAt(kCursor), .reports = {load(106)},
         .captions = shippedNames(), .pointerImage = false},
        {.name = QStringLiteral("HAND-M.CUR a named pipe"), .spoil = pipeAt(kCursor), .reports = {load(106)},
         .captions = shippedNames(), .pointerImage = false},

        {.name = QStringLiteral("x/o.cjs empty"), .spoil = write(kSkin, {}), .captions = shippedNames(),
         .skin = Skin::Applied},
        {.name = QStringLiteral("x/o.cjs unreadable"),
         .spoil = [](CaseFolder &folder) {
             folder.write(kSkin, "QWidget { color: black; }");
             folder.denyReading(kSkin);
         },
         .reports = {load(100)}, .captions = shippedNames(), .skin = Skin::ColoursOnly,
         .needsBindingPermissions = true},
        {.name = QStringLiteral("x/o.cjs a folder"), .spoil = folderAt(kSkin), .captions = shippedNames()},
        {.name = QStringLiteral("x/o.cjs a named pipe"), .spoil = pipeAt(kSkin), .captions = shippedNames()},

        {.name = QStringLiteral("sounds folder missing"), .spoil = remove(QStringLiteral("sounds")),
         .captions = shippedNames(), .drops = kRightAndWrong, .sounds = Sounds::Silent},
        {.name = QStringLiteral("sound files empty"), .spoil = everySound({}), .captions = shippedNames(),
         .drops = kRightAndWrong, .sounds = Sounds::Silent},
        {.name = QStringLiteral("sound files garbage, a whole game"), .spoil = everySound(QByteArray(5000, '\x5a')),
         .captions = shippedNames(), .drops = wholeGame(), .sounds = Sounds::Silent},

        {.name = QStringLiteral("program folder path with spaces and non-ASCII letters"),
         .spoil = [](CaseFolder &folder) { folder.moveTo(QStringLiteral("Jeux de cartes/Afrique \u00e9t\u00e9 \u0441\u043b\u043e\u0432\u0430 \u5730\u56f3")); },
         .captions = shippedNames(), .drops = kRightAndWrong, .sounds = Sounds::Heard},
        {.name = QStringLiteral("read-only program folder"), .spoil = [](CaseFolder &folder) { folder.makeReadOnly(); },
         .captions = shippedNames(), .drops = kRightAndWrong, .sounds = Sounds::Heard},
    };
}

} // namespace

const std::vector<BadFolderCase> &badFolderCases()
{
    static const std::vector<BadFolderCase> cases = makeCases();
    return cases;
}

} // namespace testing
