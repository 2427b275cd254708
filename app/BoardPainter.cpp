#include "app/BoardPainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace app {

namespace {

QFont boardFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont arial(int pixels, bool bold = false) { return boardFont(QStringLiteral("Arial"), pixels, bold); }

LabelText headingText(const quiz::Heading &heading)
{
    return LabelText(arial(quiz::kSmallTextPixels, heading.bold), Qt::AlignLeft, Qt::white);
}

} // namespace

void BoardPainter::ScaledPicture::draw(QPainter &painter, qreal devicePixelRatio)
{
    if (scaledFor != devicePixelRatio) {
        const QImage &best = devicePixelRatio > 1 && !source2x.isNull() ? source2x : source;
        const QSize pixels = (target.size() * devicePixelRatio).toSize();
        scaled = QPixmap::fromImage(best.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled.setDevicePixelRatio(devicePixelRatio);
        scaledFor = devicePixelRatio;
    }
    painter.drawPixmap(target.topLeft(), scaled);
}

BoardPainter::BoardPainter()
    : m_headings{headingText(quiz::kInstructionsHeading), headingText(quiz::kInstruction),
                 headingText(quiz::kCountriesHeading)}
{
    m_map.source = QImage(QStringLiteral(":/pictures/map.jpg"));
    m_map.source2x = QImage(QStringLiteral(":/pictures/map@2x.jpg"));
    m_map.target = quiz::kMapPictureRect.toPixels();
    m_panel.source = QImage(QStringLiteral(":/pictures/panel.jpg"));
    m_panel.target = quiz::kPanelPictureRect.toPixels();
    m_dragIcon = QPixmap(QStringLiteral(":/pictures/pushpin.png"));

    const QFont listFont = arial(quiz::kLargeTextPixels, true);
    m_listTexts.assign(quiz::kListEntryCount, LabelText(listFont, Qt::AlignLeft, Qt::white));
    const QColor slotColour = QGuiApplication::palette().color(QPalette::ButtonText);
    const QFont slotFont = boardFont(QStringLiteral("Arial Narrow"), quiz::kSmallTextPixels, false);
    m_slotTexts.assign(quiz::kCountryCount, LabelText(slotFont, Qt::AlignHCenter, slotColour));
}

QCursor BoardPainter::dragCursor() const
{
    // Where the needle's tip lies in the 32 x 32 picture.
    constexpr int kTipX = 3;
    constexpr int kTipY = 28;
    return QCursor(m_dragIcon, kTipX, kTipY);
}

void BoardPainter::paint(QPainter &painter, const quiz::Board &board, qreal devicePixelRatio)
{
    m_map.draw(painter, devicePixelRatio);
    m_panel.draw(painter, devicePixelRatio);
    paintHeadings(painter);
    paintList(painter, board);
    paintMapOverlay(painter, board);
}

void BoardPainter::paintHeadings(QPainter &painter)
{
    // Label2 lies behind Label1; the list heading is painted with the list.
    m_headings[1].draw(painter, quiz::kInstruction.rect.toPixels(), quiz::kInstruction.text.toString(),
                       quiz::kInstruction.bold);
    m_headings[0].draw(painter, quiz::kInstructionsHeading.rect.toPixels(),
                       quiz::kInstructionsHeading.text.toString(), quiz::kInstructionsHeading.bold);
}

void BoardPainter::paintList(QPainter &painter, const quiz::Board &board)
{
    auto paintEntry = [&](int k) {
        const quiz::ListEntry &entry = board.labels(k);
        if (entry.visible)
            m_listTexts[k].draw(painter, quiz::listEntryRect(k).toPixels(), entry.caption, true);
    };
    // Entry 0 lies behind the list heading, every other entry in front of it.
    paintEntry(0);
    m_headings[2].draw(painter, quiz::kCountriesHeading.rect.toPixels(),
                       quiz::kCountriesHeading.text.toString(), quiz::kCountriesHeading.bold);
    for (int k = 1; k < quiz::kListEntryCount; ++k)
        paintEntry(k);
}

void BoardPainter::paintMapOverlay(QPainter &painter, const quiz::Board &board)
{
    const QPalette palette = QGuiApplication::palette();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.color(QPalette::WindowText), 1));
    for (int i = 0; i < quiz::kHotspotCount; ++i) {
        const quiz::HotspotOutline &outline = board.shape(i);
        if (outline.visible)
            painter.drawRect(outline.rect.toPixels().adjusted(0.5, 0.5, -0.5, -0.5));
    }
    for (int n = 1; n <= quiz::kLeaderLineCount; ++n) {
        if (board.lineVisible(n))
            painter.drawLine(quiz::kLeaderLines[n - 1].ends.toPixels().translated(0.5, 0.5));
    }
    painter.restore();
    for (int k = 0; k < quiz::kCountryCount; ++k) {
        const quiz::NameSlot &slot = board.maplabel(k);
        if (slot.visible)
            m_slotTexts[k].draw(painter, quiz::kSlotRects[k].toPixels(), slot.caption, slot.bold);
    }
}

} // namespace app
