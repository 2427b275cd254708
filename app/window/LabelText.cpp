#include "app/window/LabelText.h"

#include "app/window/FittedFont.h"

#include <QPainter>
#include <QStyle>
#include <QTextOption>

namespace app {

LabelText::LabelText(QFont font, Qt::Alignment alignment, QColor colour)
    : m_font(std::move(font)), m_alignment(alignment), m_colour(colour)
{
    m_layout.setTextFormat(Qt::PlainText);
    m_layout.setPerformanceHint(QStaticText::AggressiveCaching);
}

void LabelText::draw(QPainter &painter, const QRectF &rect, const QString &text, bool bold)
{
    const QString shown = text.left(kMaxShownCharacters);
    const Qt::LayoutDirection direction = painter.layoutDirection();
    if (shown != m_laidOutText || bold != m_laidOutBold || rect.width() != m_laidOutWidth
        || direction != m_laidOutDirection) {
        QFont font = m_font;
        font.setBold(bold);
        QTextOption option(QStyle::visualAlignment(direction, m_alignment));
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(direction);
        const FittedText fitted = fitText(shown, font, option, rect.size());
        m_laidOutFont = fitted.font;
        m_raise = fitted.measure.raise;
        m_layout.setText(shown);
        m_layout.setTextWidth(rect.width());
        m_layout.setTextOption(option);
        m_layout.prepare(QTransform(), m_laidOutFont);
        m_laidOutText = shown;
        m_laidOutBold = bold;
        m_laidOutWidth = rect.width();
        m_laidOutDirection = direction;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(m_laidOutFont);
    painter.setPen(m_colour);
    painter.drawStaticText(rect.topLeft() - QPointF(0, m_raise), m_layout);
    painter.restore();
}

} // namespace app
