#include "app/window/BoardPainter.h"

#include "app/window/BoardAreas.h"
#include "app/window/BoardFonts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPalette>
#include <QRegion>
#include <QScreen>

namespace app {

namespace {

QFont arial(int pixels, bool bold = false) { return boardFont(kArial, pixels, bold); }

LabelText headingText(const quiz::Heading &heading)
{
    return LabelText(arial(quiz::kSmallTextPixels, heading.bold), Qt::AlignLeft, Qt::white);
}

void paintHeading(QPainter &painter, LabelText &text, const quiz::Board &board, const quiz::Heading &heading,
                  const QRegion &exposed)
{
    const QRectF rect = areas::inPanel(board, heading.rect);
    if (exposed.intersects(areas::covered(rect)))
        text.draw(painter, rect, heading.text.toString(), heading.bold);
}

qreal screenPixelRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1;
}

} // namespace

BoardPainter::BoardPainter(const quiz::BoardDefinition &definition)
    : m_map(definition.mapPicture, definition.mapPicture2x, quiz::kMapPictureRect.toPixels()),
      m_panel(QStringLiteral(":/pictures/panel.jpg"), QString(), quiz::kPanelPictureRect.toPixels()),
      m_lineColour(QGuiApplication::palette().color(QPalette::WindowText)),
      m_headings{headingText(quiz::kInstructionsHeading), headingText(quiz::kInstruction),
                 headingText(quiz::kCountriesHeading)}
{
    // The window is most likely shown on the primary screen: its pictures can be
    // ready by the first paint. One worker thread for both costs less memory than two.
    m_preparation = std::packaged_task<void()>([map = m_map.preparation(screenPixelRatio()),
                                                panel = m_panel.preparation(screenPixelRatio())]() mutable {
        map();
        panel();
    });
    try {
        m_worker = std::thread([this] { m_preparation(); });
    } catch (const std::system_error &) {
        // No thread can be started (a web page has none): the first paint scales them.
    }

    const QFont listFont = arial(quiz::kLargeTextPixels, true);
    m_listTexts.assign(std::size_t(definition.list.entryCount), LabelText(listFont, Qt::AlignLeft, Qt::white));
    const QColor slotColour = QGuiApplication::palette().color(QPalette::ButtonText);
    const QFont slotFont = boardFont(kArialNarrow, quiz::kSmallTextPixels);
    m_slotTexts.assign(definition.nameSlots.size(), LabelText(slotFont, Qt::AlignHCenter, slotColour));
}

BoardPainter::~BoardPainter()
{
    if (m_worker.joinable())
        m_worker.join();
}

void BoardPainter::finishPreparing()
{
    if (m_worker.joinable())
        m_worker.join();
    else if (m_preparation.valid())
        m_preparation();
    m_preparation = {};
}

const QCursor &BoardPainter::dragCursor()
{
    // Where the needle's tip lies in the 32 x 32 picture.
    constexpr int kTipX = 3;
    constexpr int kTipY = 28;
    if (!m_dragCursor)
        m_dragCursor.emplace(QPixmap(QStringLiteral(":/pictures/pushpin.png")), kTipX, kTipY);
    return *m_dragCursor;
}

void BoardPainter::paint(QPainter &painter, const quiz::Board &board, qreal devicePixelRatio,
                         const QRegion &exposed)
{
    finishPreparing();
    for (ScaledPicture *picture : {&m_map, &m_panel}) {
        if (exposed.intersects(areas::covered(picture->target())))
            picture->draw(painter, devicePixelRatio);
    }
    paintHeadings(painter, board, exposed);
    paintList(painter, board, exposed);
    paintMapOverlay(painter, board, exposed);
}

void BoardPainter::paintHeadings(QPainter &painter, const quiz::Board &board, const QRegion &exposed)
{
    // Label2 lies behind Label1; the list heading is painted with the list.
    paintHeading(painter, m_headings[1], board, quiz::kInstruction, exposed);
    paintHeading(painter, m_headings[0], board, quiz::kInstructionsHeading, exposed);
}

void BoardPainter::paintList(QPainter &painter, const quiz::Board &board, const QRegion &exposed)
{
    auto paintEntry = [&](int k) {
        const quiz::ListEntry &entry = board.labels(k);
        const QRectF rect = areas::listEntry(board, k);
        if (entry.visible && exposed.intersects(areas::covered(rect)))
            m_listTexts[k].draw(painter, rect, entry.caption, true);
    };
    // The list's first entry lies behind its heading, every other entry in front of
    // it; where entries overlap, the one later in the list lies in front.
    paintEntry(board.entryAtListPlace(0));
    paintHeading(painter, m_headings[2], board, quiz::kCountriesHeading, exposed);
    for (int place = 1; place < board.listEntryCount(); ++place)
        paintEntry(board.entryAtListPlace(place));
}

void BoardPainter::paintMapOverlay(QPainter &painter, const quiz::Board &board, const QRegion &exposed)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_lineColour, 1));
    for (int i = 0; i < board.areaCount(); ++i) {
        const quiz::HotspotOutline &outline = board.shape(i);
        const QRectF rect = outline.rect.toPixels();
        if (outline.visible && exposed.intersects(areas::covered(rect)))
            painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    for (int n = 1; n <= board.leaderLineCount(); ++n) {
        const QLineF line = areas::leaderLine(board, n);
        if (board.lineVisible(n) && exposed.intersects(areas::covered(line)))
            painter.drawLine(line);
    }
    for (int k = 0; k < board.countryCount(); ++k) {
        const quiz::NameSlot &slot = board.maplabel(k);
        const QRectF rect = areas::nameSlot(board, k);
        if (slot.visible && exposed.intersects(areas::covered(rect)))
            m_slotTexts[k].draw(painter, rect, slot.caption, slot.bold);
    }
}

} // namespace app
