// The real program as a screen reader meets it, on an X server and buses of the
// test's own: the tree read through AT-SPI, and a game played with keys alone, heard
// as a screen reader hears it (where the focus goes, each result said), the drop
// point steered by where it lies on the screen. No screen reader was on when the
// program started (Qt reads the setting only then); this one connects once the
// window shows, as one started after the program does, and must find it all. The
// program opens its home page on this start (to a stand-in), which must not be told
// to offer itself to assistive technology.
#include "AccessibilityBus.h"
#include "BoardOnScreen.h"
#include "PointerAndFocus.h"
#include "ProgramUnderTest.h"
#include "ScreenReader.h"
#include "XDesktop.h"
#include "XvfbDisplay.h"

#include "outside/linux/AtspiAnnouncer.h"
#include "quiz/BoardLayout.h"
#include "quiz/BoardTables.h"
#include "quiz/KeyboardPlay.h"
#include "shell/BuildSettings.h"

#include <QtTest>

#include <optional>

using namespace xtest;

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kEventTimeoutMs = 5000;
const QString kApplication = QStringLiteral("Quillmere");

constexpr int kAlgeria = 0;
constexpr int kAngola = 1;
constexpr int kEgypt = 13;
constexpr int kEquatorialGuinea = 14;
// Where the push-pin, the pointer of a drag, points.
constexpr QPoint kPushPinHotSpot{3, 28};

QString country(int row)
{
    return quiz::kCountryNames[std::size_t(row)].toString();
}

QStringList countriesBut(const QList<int> &placed)
{
    QStringList names;
    for (int row = 0; row < quiz::kCountryCount; ++row) {
        if (!placed.contains(row))
            names << country(row);
    }
    return names;
}

// The country a drop at this pixel of the window is judged against: the frontmost hotspot's.
QString countryAt(QPoint pixel)
{
    const quiz::TwipPoint twips{pixel.x() * quiz::kTwipsPerPixel, pixel.y() * quiz::kTwipsPerPixel};
    for (int i = quiz::kHotspotCount - 1; i >= 0; --i) {
        if (quiz::kHotspots[std::size_t(i)].rect.contains(twips))
            return quiz::kHotspots[std::size_t(i)].tag.toString();
    }
    return {};
}

QStringList startingWith(const QStringList &lines, QLatin1String kind)
{
    QStringList found;
    for (const QString &line : lines) {
        if (line.startsWith(kind))
            found << line;
    }
    return found;
}

// Whether `heard` holds each of `expected` in that order, other lines between them allowed.
bool inOrder(const QStringList &heard, const QStringList &expected)
{
    qsizetype at = 0;
    for (const QString &line : expected) {
        at = heard.indexOf(line, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

// Whether each line said begins with the expected line in its place, and no more were said.
bool saidAsExpected(const QStringList &said, const QStringList &expected)
{
    if (said.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < said.size(); ++i) {
        if (!said[i].startsWith(expected[i]))
            return false;
    }
    return true;
}

} // namespace

class AccessibleBoardOnXTest : public QObject
{
    Q_OBJECT

private:
    Accessible windowChild(const QString &said) const
    {
        for (const Accessible &child : m_window.children()) {
            if (child.said() == said)
                return child;
        }
        return {};
    }
    QStringList inList() const { return namesOf(windowChild(QStringLiteral("list: Countries")).children()); }
    QStringList onMap() const { return namesOf(windowChild(QStringLiteral("canvas: Map of Africa")).children()); }

    // Presses a key and waits until the screen reader has heard the `expected` lines:
    // the focus going where they say, in their order, other objects allowed to take it
    // between; and said what they say (each said line may go on after it), nothing
    // more.
    bool pressAndHear(const QString &key, const QStringList &expected)
    {
        static const QLatin1String focus("focus "), said("said: ");
        const qsizetype from = m_reader->heard().size();
        m_desktop.pressKey(key);
        const auto heardAll = [&] {
            const QStringList lines = m_reader->heard().mid(from);
            return inOrder(startingWith(lines, focus), startingWith(expected, focus))
                && saidAsExpected(startingWith(lines, said), startingWith(expected, said));
        };
        if (m_reader->waitUntil(heardAll, kEventTimeoutMs))
            return true;
        qWarning().noquote() << "after" << key << "heard" << m_reader->heard().mid(from) << "instead of" << expected
                             << (programRunning() ? "" : "- the program has ended");
        return false;
    }

    // Steers the drop point with the arrow keys toward a pixel of the window, reading
    // where it lies on the screen after each key, as a blind player's tool would: big
    // steps while they cannot overshoot, then small ones. Returns the pixel it
    // reaches, within a small step of the target.
    std::optional<QPoint> steerTo(QPoint target)
    {
        constexpr int kSmallStep = quiz::kSmallDropStep / quiz::kTwipsPerPixel;
        constexpr int kBigStep = quiz::kBigDropStep / quiz::kTwipsPerPixel;
        constexpr int kMostKeys = 60;
        static const QRegularExpression movedLine(QStringLiteral("^said: "));
        for (int keys = 0; keys <= kMostKeys; ++keys) {
            // The drop point has the focus while a name is carried.
            const QPoint at = QRectF(m_reader->focused().extents()).center().toPoint() - m_origin;
            const QPoint miss = target - at;
            const bool across = std::abs(miss.x()) >= kSmallStep;
            const int along = across ? miss.x() : miss.y();
            if (std::abs(along) < kSmallStep)
                return at;
            QString key = across ? (along < 0 ? QStringLiteral("Left") : QStringLiteral("Right"))
                                 : (along < 0 ? QStringLiteral("Up") : QStringLiteral("Down"));
            if (std::abs(along) >= kBigStep)
                key.prepend(QStringLiteral("shift+"));
            const qsizetype from = m_reader->heard().size();
            m_desktop.pressKey(key);
            const bool moved = m_reader->waitUntil(
                [&] { return !m_reader->heard().mid(from).filter(movedLine).isEmpty(); }, kEventTimeoutMs);
            if (!moved) {
                qWarning().noquote() << "after" << key << "at" << at << "heard" << m_reader->heard().mid(from)
                                     << "and not where the drop point went";
                return std::nullopt;
            }
        }
        qWarning() << "the drop point never came within a small step of" << target;
        return std::nullopt;
    }

    // The program's end is noticed in the event loop, which every wait here runs.
    bool programRunning() const { return m_program.pid() != 0; }

    XvfbDisplay m_display;
    XDesktop m_desktop{m_display};
    AccessibilityBus m_bus;
    ProgramUnderTest m_program;
    std::optional<ScreenReader> m_reader;
    Accessible m_window;
    WindowId m_windowId = 0;
    // Where the window's client area lies on the screen.
    QPoint m_origin;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_display.isRunning(), qPrintable(m_display.failure()));
        QVERIFY2(m_bus.isRunning(), qPrintable(m_bus.failure()));
        m_program.start(m_desktop, m_bus.programSettings() << QStringLiteral("QUILLMERE_HOME_PAGE_DRAW=7"));
        const std::optional<XWindow> window = m_program.waitForMainWindow(m_desktop);
        QVERIFY(window);
        m_windowId = window->id;
        m_origin = window->geometry.topLeft();
        // Keys go to the window with the input focus, which a window manager would give it.
        QVERIFY(giveFocusTo(m_desktop, window->id));
        m_reader.emplace(m_bus.accessibilityBusAddress());
        m_window = m_reader->waitForWindow(kApplication, kStartTimeoutMs);
        QVERIFY2(!m_window.isNull(), "the program's window never reached the accessibility registry");
    }

    // Reading and playing must leave it running.
    void cleanup() { QVERIFY2(programRunning(), "the program has ended"); }

    void theTreeAScreenReaderReads()
    {
        QCOMPARE(m_window.said(), QStringLiteral("frame: ") + kMainWindowTitle);
        QVERIFY2(!m_window.description().isEmpty(), "the window has no description");
        // A screen reader's coordinates are the screen's: a magnifier and a player's tool rely on them.
        QCOMPARE(m_window.extents(), QRect(m_origin, kClientSize));

        QStringList children;
        for (const Accessible &child : m_window.children())
            children << child.said();
        const QStringList readingOrder{
            QStringLiteral("label: ") + quiz::kInstructionsHeading.text.toString(),
            QStringLiteral("label: ") + quiz::kInstruction.text.toString(),
            QStringLiteral("label: ") + quiz::kCountriesHeading.text.toString(),
            QStringLiteral("list: Countries"),
            QStringLiteral("canvas: Map of Africa"),
            QStringLiteral("push button: ") + quiz::kRestartCaption.toString(),
            QStringLiteral("push button: ") + quiz::kExitCaption.toString(),
        };
        QCOMPARE(children.first(std::min(children.size(), readingOrder.size())), readingOrder);

        const QList<Accessible> items = windowChild(QStringLiteral("list: Countries")).children();
        QCOMPARE(items.size(), quiz::kListEntryCount);
        for (int k = 0; k < quiz::kListEntryCount; ++k) {
            QCOMPARE(items[k].said(), QStringLiteral("list item: ") + country(k));
            QCOMPARE(items[k].extents(), pixelRect(quiz::listEntryRect(k)).translated(m_origin));
            QCOMPARE(items[k].actions(), QStringList{QStringLiteral("Press")});
        }
        QCOMPARE(onMap(), QStringList());
    }

    void keysAlonePlaceNamesAndSayTheResults()
    {
        // The first focus is the list, on its first name: above it there is nothing.
        QVERIFY(pressAndHear(QStringLiteral("Down"), {QStringLiteral("focus list item: ") + country(kAngola)}));
        QVERIFY(pressAndHear(QStringLiteral("Up"), {QStringLiteral("focus list item: ") + country(kAlgeria)}));
        QVERIFY(pressAndHear(QStringLiteral("Up"), {QStringLiteral("said: Top of the list")}));
        QVERIFY(pressAndHear(QStringLiteral("Down"), {QStringLiteral("focus list item: ") + country(kAngola)}));
        QVERIFY(pressAndHear(QStringLiteral("e"), {QStringLiteral("focus list item: ") + country(kEgypt)}));

        // Two right drops: the focus moves on to the next name. A step pressed while the
        // pick-up's words are spoken waits for them: it is said no sooner than they take.
        QElapsedTimer sincePick;
        sincePick.start();
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: Drop point for Egypt"),
                                                        QStringLiteral("said: Country not yet named. ")}));
        const QString pickWords = startingWith(m_reader->heard(), QLatin1String("said: ")).last().mid(6);
        QVERIFY(pressAndHear(QStringLiteral("Right"), {QStringLiteral("said: ")}));
        QCOMPARE_GE(sincePick.elapsed(), outside::AtspiAnnouncer::speakingMilliseconds(pickWords));
        std::optional<QPoint> at = steerTo(onHotspotOf(kEgypt));
        QVERIFY(at);
        QCOMPARE(countryAt(*at), country(kEgypt));
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: ") + country(kEquatorialGuinea),
                                                        QStringLiteral("said: Egypt placed. 1 of 48.")}));
        QCOMPARE(inList(), countriesBut({kEgypt}));
        QCOMPARE(onMap(), QStringList{country(kEgypt)});

        QVERIFY(pressAndHear(QStringLiteral("a"), {QStringLiteral("focus list item: ") + country(kAlgeria)}));
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: Drop point for Algeria"),
                                                        QStringLiteral("said: Egypt. ")}));
        at = steerTo(onHotspotOf(kAlgeria));
        QVERIFY(at);
        QCOMPARE(countryAt(*at), country(kAlgeria));
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: ") + country(kAngola),
                                                        QStringLiteral("said: Algeria placed. 2 of 48.")}));
        QCOMPARE(inList(), countriesBut({kAlgeria, kEgypt}));
        QCOMPARE(onMap(), QStringList({country(kAlgeria), country(kEgypt)}));

        // A wrong drop: Angola onto Algeria, where the drop point still is.
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: Drop point for Angola"),
                                                        QStringLiteral("said: Algeria. ")}));
        at = steerTo(onHotspotOf(kAlgeria));
        QVERIFY(at);
        QCOMPARE(countryAt(*at), country(kAlgeria));
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: ") + country(kAngola),
                                                        QStringLiteral("said: Not there: on Algeria.")}));
        QCOMPARE(inList(), countriesBut({kAlgeria, kEgypt}));

        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: Drop point for Angola"),
                                                        QStringLiteral("said: Algeria. ")}));
        QVERIFY(pressAndHear(QStringLiteral("Escape"), {QStringLiteral("focus list item: ") + country(kAngola),
                                                        QStringLiteral("said: Angola put back.")}));
        QCOMPARE(inList(), countriesBut({kAlgeria, kEgypt}));

        // Restart: the new game begins on the first name, where its words are said.
        QVERIFY(pressAndHear(QStringLiteral("Tab"), {QStringLiteral("focus push button: ") + quiz::kRestartCaption.toString()}));
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: ") + country(kAlgeria),
                                                        QStringLiteral("said: New game. 48 names in the list.")}));
        QCOMPARE(inList(), countriesBut({}));
        QCOMPARE(onMap(), QStringList());
    }

    // Return held down for two seconds, which the server repeats, picks the name up
    // once and never drops it: Escape then finds it still carried.
    void aHeldReturnPicksUpOnce()
    {
        QVERIFY(pressAndHear(QStringLiteral("Down"), {QStringLiteral("focus list item: ") + country(kAngola)}));
        const qsizetype from = m_reader->heard().size();
        m_desktop.holdKey(QStringLiteral("Return"), 2000);
        QVERIFY(m_reader->waitUntil(
            [&] { return !m_reader->heard().mid(from).filter(QStringLiteral("focus list item: Drop point for Angola")).isEmpty(); },
            kEventTimeoutMs));
        QVERIFY(pressAndHear(QStringLiteral("Escape"), {QStringLiteral("said: Angola put back.")}));
        const QStringList heard = m_reader->heard().mid(from);
        // Read once the key is let go, the drop point may already be nobody's.
        QCOMPARE(heard.filter(QStringLiteral("focus list item: Drop point")).size(), 1);
        QVERIFY(saidAsExpected(startingWith(heard, QLatin1String("said: ")),
                               {QStringLiteral("said: Country not yet named. "), QStringLiteral("said: Angola put back.")}));
    }

    // A name the keys carry goes back when the window loses the focus; the mouse then
    // drags it to its country as any other, and its pointer goes with the drag.
    void aPickLostWithTheFocusLeavesTheMouseItsOwnDrag()
    {
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: Drop point for Angola"),
                                                        QStringLiteral("said: Country not yet named. ")}));
        QVERIFY(takeFocusFromEveryWindow(m_desktop));
        // Nothing is said to a window without the focus: the drop point goes.
        QVERIFY(m_reader->waitUntil([&] { return !inList().contains(QStringLiteral("Drop point for Angola")); },
                                    kEventTimeoutMs));
        const QPoint entry = QRectF(quiz::listEntryRect(kAngola).toPixels()).center().toPoint();
        m_desktop.drag(m_windowId, entry, onHotspotOf(kAngola));
        QVERIFY(m_reader->waitUntil([&] { return onMap() == QStringList{country(kAngola)}; }, kEventTimeoutMs));
        m_desktop.movePointer(m_windowId, onHotspotOf(kEgypt));
        const std::optional<QPoint> hotSpot = pointerHotSpot(m_desktop);
        QVERIFY(hotSpot);
        QVERIFY2(*hotSpot != kPushPinHotSpot, "the push-pin outlived its drag");
    }

    // The map's last right drop is said to where the focus is, the list once no name
    // is left in it, before the box; after the box the new game begins on the first name.
    void theCompletedMapIsHeardBeforeItsBox()
    {
        QVERIFY(giveFocusTo(m_desktop, m_windowId));
        constexpr int kLast = quiz::kCountryCount - 1;
        for (int k = 0; k < kLast; ++k) {
            if (!onMap().contains(country(k)))
                m_desktop.drag(m_windowId, QRectF(quiz::listEntryRect(k).toPixels()).center().toPoint(), onHotspotOf(k));
        }
        QVERIFY(m_reader->waitUntil([&] { return inList() == QStringList{country(kLast)}; }, kEventTimeoutMs));
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list item: Drop point for ") + country(kLast),
                                                        QStringLiteral("said: ")}));
        const std::optional<QPoint> at = steerTo(onHotspotOf(kLast));
        QVERIFY(at);
        QVERIFY(pressAndHear(QStringLiteral("Return"), {QStringLiteral("focus list: Countries"),
                                                        QStringLiteral("said: Zimbabwe placed. 48 of 48.")}));
        // No window manager here: the box, and then the board again, are given the focus by hand.
        const std::optional<XWindow> box = m_desktop.waitForWindow(
            m_program.pid(), kMainWindowTitle, [&](const XWindow &window) { return window.id != m_windowId; });
        QVERIFY(box);
        QVERIFY(giveFocusTo(m_desktop, box->id));
        const qsizetype from = m_reader->heard().size();
        m_desktop.pressKey(QStringLiteral("Return"));
        QVERIFY(m_reader->waitUntil([&] { return m_desktop.windows(m_program.pid(), kMainWindowTitle).size() == 1; },
                                    kEventTimeoutMs));
        QVERIFY(giveFocusTo(m_desktop, m_windowId));
        const QStringList afterBox{QStringLiteral("focus list item: ") + country(kAlgeria),
                                   QStringLiteral("said: New game. 48 names in the list.")};
        QVERIFY2(m_reader->waitUntil([&] { return inOrder(m_reader->heard().mid(from), afterBox); }, kEventTimeoutMs),
                 qPrintable(m_reader->heard().mid(from).join(u'\n')));
    }

    void programsItStartsAreNotToldToOfferThemselves()
    {
        QTRY_COMPARE(m_program.webAddressesHandedOver(),
                     QStringList{shell::homePageAddress() + QStringLiteral(" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=unset")});
    }
};

QTEST_GUILESS_MAIN(AccessibleBoardOnXTest)
#include "AccessibleBoardOnXTest.moc"
