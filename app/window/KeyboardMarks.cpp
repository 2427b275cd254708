#include "app/window/KeyboardMarks.h"

#include "app/window/BoardAreas.h"
#include "app/window/BoardFonts.h"
#include "app/window/FittedFont.h"
#include "quiz/BoardLayout.h"
#include "quiz/KeyboardPlay.h"

#include <QFontMetrics>
#include <QPainter>

namespace app {

namespace {

constexpr int kRingWidth = 2;
constexpr int kBandPadding = 2;
// Room round the drop point's circle for its outline.
constexpr int kMarkerMargin = 3;
constexpr int kTagGap = 6;
constexpr int kTagPadding = 3;

QRect aroundWith(const QRect &rect, int margin)
{
    return rect.adjusted(-margin, -margin, margin, margin);
}

void paintRing(QPainter &painter, const QRect &around)
{
    painter.setPen(QPen(KeyboardMarks::kRingColour, kRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(around).adjusted(kRingWidth / 2.0, kRingWidth / 2.0, -kRingWidth / 2.0, -kRingWidth / 2.0));
}

} // namespace

const QColor KeyboardMarks::kRingColour{255, 224, 0};
const QColor KeyboardMarks::kTextOnRing{16, 32, 64};

KeyboardMarks::KeyboardMarks(const quiz::Board &board)
    : m_board(board),
      m_listFont(boardFont(kArial, quiz::kLargeTextPixels, true)), m_tagFont(boardFont(kArial, quiz::kLargeTextPixels, true))
{
}

QFont KeyboardMarks::entryFont(int entry, const QString &caption) const
{
    return fitText(caption, m_listFont, QTextOption(Qt::AlignLeft), areas::listEntry(m_board, entry).size()).font;
}

QRect KeyboardMarks::entryBand(int entry, const QString &caption) const
{
    // The band covers the caption's line from its capitals to its descenders: the
    // entries overlap, and a ring round a whole one would cross its neighbours. It
    // lies where the caption starts, on the right in a right-to-left language.
    const QRect entryArea = areas::covered(areas::listEntry(m_board, entry));
    const QFontMetrics metrics(entryFont(entry, caption));
    const int baseline = entryArea.top() + metrics.ascent();
    const int width = std::min(metrics.horizontalAdvance(caption), entryArea.width());
    const int left = m_board.language().direction() == Qt::RightToLeft ? entryArea.right() + 1 - width
                                                                         : entryArea.left();
    return QRect(QPoint(left - kBandPadding, baseline - metrics.capHeight() - kBandPadding),
                 QPoint(left + width + kBandPadding - 1, baseline + metrics.descent()));
}

QRect KeyboardMarks::nameTag(quiz::TwipPoint dropPoint, const QString &name) const
{
    const QRect marker = areas::covered(areas::dropMarker(dropPoint));
    const QFontMetrics metrics(m_tagFont);
    const QSize size(metrics.horizontalAdvance(name) + 2 * kTagPadding, metrics.height() + 2 * kTagPadding);
    QRect tag(QPoint(marker.right() + kTagGap, marker.center().y() - size.height() / 2), size);
    // Beside the marker on the map: to its left near the map's right edge, below it near the top.
    const QRect map = areas::covered(quiz::kDropPointArea.toPixels());
    if (tag.right() > map.right())
        tag.moveRight(marker.left() - kTagGap);
    if (tag.top() < map.top())
        tag.moveTop(map.top());
    if (tag.bottom() > map.bottom())
        tag.moveBottom(map.bottom());
    return tag;
}

void KeyboardMarks::paint(QPainter &painter, const KeyboardFocus &focus) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (focus.entry) {
        const QRect band = entryBand(*focus.entry, focus.entryCaption);
        painter.fillRect(band, kRingColour);
        painter.setClipRect(band);
        painter.setPen(kTextOnRing);
        painter.setFont(entryFont(*focus.entry, focus.entryCaption));
        // To the left, or in a right-to-left painter to the right, as the list is drawn.
        painter.drawText(areas::listEntry(m_board, *focus.entry), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         focus.entryCaption);
        painter.setClipping(false);
    }
    if (focus.button)
        paintRing(painter, aroundWith(*focus.button, kRingWidth + 1));
    if (focus.dropPoint) {
        const QRectF marker = areas::dropMarker(*focus.dropPoint);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 5));
        painter.drawEllipse(marker);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawEllipse(marker);
        const QPointF centre = marker.center();
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(centre - QPointF(3, 0), centre + QPointF(3, 0));
        painter.drawLine(centre - QPointF(0, 3), centre + QPointF(0, 3));
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QRect tag = nameTag(*focus.dropPoint, focus.carriedName);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(tag.adjusted(0, 0, -1, -1));
        painter.setFont(m_tagFont);
        painter.drawText(tag, Qt::AlignCenter, focus.carriedName);
    }
    painter.restore();
}

QRegion KeyboardMarks::area(const KeyboardFocus &focus) const
{
    QRegion covered;
    if (focus.entry)
        covered += entryBand(*focus.entry, focus.entryCaption);
    if (focus.button)
        covered += aroundWith(*focus.button, kRingWidth + 1);
    if (focus.dropPoint) {
        covered += aroundWith(areas::covered(areas::dropMarker(*focus.dropPoint)), kMarkerMargin);
        covered += nameTag(*focus.dropPoint, focus.carriedName);
    }
    return covered;
}

} // namespace app
