#include "WindowEventBench.h"

#include "ProgramFolderCopy.h"
#include "QuietPlatform.h"
#include "Samples.h"

#include "app/startup/FormLoad.h"
#include "app/window/Form1.h"
#include "quiz/BoardTables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QtTest>

#include <cstdio>
#include <functional>

namespace bench {

namespace {

constexpr int kWarmUpRounds = 5;
constexpr int kRounds = 200;

// Gathers what the window repaints.
class PaintRecorder : public QObject
{
public:
    QRegion painted;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

QString describe(const QRegion &region)
{
    if (region.isEmpty())
        return QStringLiteral("nothing");
    qint64 area = 0;
    for (const QRect &r : region)
        area += qint64(r.width()) * r.height();
    const QRect box = region.boundingRect();
    return QStringLiteral("%1 px in %2 rectangle(s) within %3x%4 at %5,%6")
        .arg(area)
        .arg(region.rectCount())
        .arg(box.width())
        .arg(box.height())
        .arg(box.x())
        .arg(box.y());
}

QPointF pixelsOf(quiz::TwipPoint p)
{
    return {double(p.x) / quiz::kTwipsPerPixel, double(p.y) / quiz::kTwipsPerPixel};
}

QPointF onListEntry(int k)
{
    const quiz::TwipRect r = quiz::listEntryRect(k);
    return pixelsOf({r.left + 60, r.top + 60});
}

// The centre of a hotspot of country `row` where its own drop target lies in front.
QPointF onCountry(const quiz::Board &board, int row)
{
    for (int i = 0; i < quiz::kHotspotCount; ++i) {
        const quiz::TwipRect &r = quiz::kHotspots[i].rect;
        const quiz::TwipPoint centre{r.left + r.width / 2, r.top + r.height / 2};
        const quiz::BoardElement front = board.elementAt(centre);
        if (front.kind == quiz::ElementKind::DropTarget
            && board.piccoor(front.index).tag == quiz::kCountryNames[row])
            return pixelsOf(centre);
    }
    return {};
}

void send(QWidget &window, QEvent::Type type, QPointF at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, window.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

// Whatever update() asked for is painted now, as the event loop would.
void repaintPending(QWidget &window)
{
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

struct Figure {
    Samples microseconds;
    QRegion painted;
};

// Times `step` followed by the repaint it asks for; `before` and `after` run untimed.
Figure measure(app::Form1 &form, const std::function<void()> &before, const std::function<void()> &step,
               const std::function<void()> &after)
{
    PaintRecorder recorder;
    form.installEventFilter(&recorder);
    Figure figure;
    QElapsedTimer timer;
    for (int i = 0; i < kWarmUpRounds + kRounds; ++i) {
        before();
        repaintPending(form);
        recorder.painted = {};
        timer.start();
        step();
        repaintPending(form);
        const double elapsed = double(timer.nsecsElapsed()) / 1e3;
        if (i >= kWarmUpRounds)
            figure.microseconds.add(elapsed);
        figure.painted = recorder.painted;
        after();
    }
    form.removeEventFilter(&recorder);
    repaintPending(form);
    return figure;
}

void print(const char *what, const Figure &figure)
{
    std::printf("  %-30s %8.1f us   repaints %s\n", what, figure.microseconds.median(),
                qPrintable(describe(figure.painted)));
}

} // namespace

void benchWindowEvents()
{
    const ProgramFolderCopy folder;
    QuietPlatform outside;
    app::Form1 form(outside.platform(), shell::ProgramFolder(folder.path()));
    app::Form_Load(form);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::printf("The window never showed\n");
        return;
    }
    const int benin = 2; // a leader-line country: its drop shows a line too
    const int angola = 1;
    const QPointF source = onListEntry(benin);
    const QPointF right = onCountry(form.board(), benin);
    const QPointF wrong = onCountry(form.board(), angola);
    const QPointF listPoint = onListEntry(30);
    auto press = [&] { send(form, QEvent::MouseButtonPress, source); };
    auto none = [] {};

    std::printf("The window at play, offscreen (median of %d; sounds silent)\n", kRounds);
    send(form, QEvent::MouseButtonPress, source);
    bool overMap = false;
    print("drag step over the map", measure(form, none, [&] {
        overMap = !overMap;
        send(form, QEvent::MouseMove, overMap ? right : wrong);
    }, none));
    print("drag step over the list", measure(form, none, [&] {
        overMap = !overMap;
        send(form, QEvent::MouseMove, overMap ? listPoint : source);
    }, none));
    send(form, QEvent::MouseButtonRelease, source);

    print("right drop, with its line", measure(form, press, [&] { send(form, QEvent::MouseButtonRelease, right); },
                                               [&] { form.PushButton1_Click(); }));
    print("wrong drop", measure(form, press, [&] { send(form, QEvent::MouseButtonRelease, wrong); }, none));
    std::fflush(stdout);
}

} // namespace bench
