// The desktop X tests' eyes, built for the web and run under node by the browser
// tests: where a player points on the board, and what a picture of the page's
// board shows, judged by the same code and thresholds as on the desktop.
//
//   points                     the pointing places, as JSON
//   board SHOT                 the board as a new game shows it: map, panel, headings, all 48 names
//   placed START SHOT K...     names K have left the list for their slots since START
//   listed START SHOT K...     names K are still in the list, their slots still empty
// A name K shown elsewhere in the list than at its own place K, as a translated
// list shows it, is written K:PLACE.
// Pictures are PNG files of the board's 999 x 706 pixels. Exit code 0 when it holds.
#include "BoardOnScreen.h"
#include "ScreenPixels.h"

#include "quiz/BoardLayout.h"
#include "quiz/KeyboardPlay.h"

#include <QCoreApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>

using namespace xtest;

namespace {

// Borders and lettering blur in the stretch; the rest of a picture must match.
constexpr double kMostSamples = 0.85;

QJsonArray point(QPoint p)
{
    return {p.x(), p.y()};
}

QJsonArray dropPointStart()
{
    const quiz::TwipRect &area = quiz::kDropPointArea;
    return {(area.left + area.width / 2) / quiz::kTwipsPerPixel, (area.top + area.height / 2) / quiz::kTwipsPerPixel};
}

int points()
{
    QJsonArray entries;
    QJsonArray hotspots;
    for (int k = 0; k < quiz::kListEntryCount; ++k) {
        entries.append(point(onListEntry(k)));
        hotspots.append(point(onHotspotOf(k)));
    }
    const QJsonObject all{{QStringLiteral("listEntry"), entries},
                          {QStringLiteral("hotspot"), hotspots},
                          {QStringLiteral("sea"), point(onTheSea())},
                          {QStringLiteral("restart"), point(pixelRect(quiz::kRestartButtonRect).center())},
                          {QStringLiteral("exit"), point(pixelRect(quiz::kExitButtonRect).center())},
                          // Where the keyboard's drop point starts, and its small and big steps.
                          {QStringLiteral("dropPoint"), dropPointStart()},
                          {QStringLiteral("dropSteps"), QJsonArray{quiz::kSmallDropStep / quiz::kTwipsPerPixel,
                                                                   quiz::kBigDropStep / quiz::kTwipsPerPixel}}};
    std::puts(QJsonDocument(all).toJson(QJsonDocument::Compact).constData());
    return 0;
}

// The rightmost column of `area` that holds white text, or -1.
int rightmostWhiteColumn(const QImage &shot, const QRect &area)
{
    for (int x = area.right(); x >= area.left(); --x) {
        if (whitePixels(shot, QRect(x, area.top(), 1, area.height())) > 0)
            return x;
    }
    return -1;
}

// The names are drawn in the board's own face: the longest ends where Liberation
// Sans Bold at 15 pixels (Arial's stand-in, from Debian 12's fonts-liberation) ends
// it, 219 pixels on. Qt's own face, wider, wraps it after "of" instead.
bool namesInTheBoardsFace(const QImage &shot)
{
    constexpr int kLongestName = 11; // Democratic Republic of Congo
    constexpr int kItsWidth = 219;
    const QRect band = listEntryBand(kLongestName);
    const int expected = pixelRect(quiz::listEntryRect(kLongestName)).left() + kItsWidth - 1;
    return std::abs(rightmostWhiteColumn(shot, band) - expected) <= 2;
}

bool verdict(bool holds, const char *what)
{
    if (!holds)
        std::fprintf(stderr, "not so: %s\n", what);
    return holds;
}

int board(const QImage &shot, const QString &sources)
{
    const QImage map(sources + QStringLiteral("/assets/pictures/map.jpg"));
    const QImage panel(sources + QStringLiteral("/assets/pictures/panel.jpg"));
    const QRect bareStretchOfPanel =
        QRect(QPoint(pixelRect(quiz::kPanelPictureRect).left(), pixelRect(quiz::listEntryRect(quiz::kLeftColumnEntries - 1)).bottom()),
              QPoint(pixelRect(quiz::kPanelPictureRect).right(), pixelRect(quiz::kRestartButtonRect).top()))
            .adjusted(3, 3, -3, -3);
    bool holds = verdict(!map.isNull() && !panel.isNull(), "the reference pictures were read");
    holds = verdict(likenessToPicture(shot, map, quiz::kMapPictureRect.toPixels(), visibleMapArea().adjusted(3, 3, -3, -3))
                        > kMostSamples,
                    "the map is drawn")
        && holds;
    holds = verdict(likenessToPicture(shot, panel, quiz::kPanelPictureRect.toPixels(), bareStretchOfPanel) > kMostSamples,
                    "the panel is drawn")
        && holds;
    for (const quiz::Heading &heading : {quiz::kInstructionsHeading, quiz::kInstruction, quiz::kCountriesHeading})
        holds = verdict(whitePixels(shot, pixelRect(heading.rect)) >= 10, "the headings are written") && holds;
    holds = verdict(everyNameShown(shot), "every name is in the list") && holds;
    holds = verdict(namesInTheBoardsFace(shot), "the names are drawn in the board's face") && holds;
    return holds ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == QLatin1String("points"))
        return points();
    if (command == QLatin1String("board") && arguments.size() == 2)
        return board(QImage(arguments[1]), qEnvironmentVariable("QUILLMERE_SOURCE_DIR"));
    if ((command == QLatin1String("placed") || command == QLatin1String("listed")) && arguments.size() >= 4) {
        const QImage start(arguments[1]);
        const QImage shot(arguments[2]);
        bool holds = verdict(!start.isNull() && !shot.isNull(), "the pictures were read");
        for (const QString &name : arguments.mid(3)) {
            const int k = name.section(u':', 0, 0).toInt();
            const int place = name.contains(u':') ? name.section(u':', 1).toInt() : k;
            holds = (command == QLatin1String("placed")
                         ? verdict(placed(start, shot, k, place), qPrintable(QStringLiteral("name %1 placed").arg(k)))
                         : verdict(whitePixels(shot, listEntryBand(place)) > 0 && !placed(start, shot, k, place),
                                   qPrintable(QStringLiteral("name %1 still listed").arg(k))))
                && holds;
        }
        return holds ? 0 : 1;
    }
    std::fputs("usage: points | board SHOT | placed START SHOT K... | listed START SHOT K...\n", stderr);
    return 2;
}
