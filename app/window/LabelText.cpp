#include "app/window/LabelText.h"

#include <QPainter>
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
    if (shown != m_laidOutText || bold != m_laidOutFont.bold() || rect.width() != m_laidOutWidth) {
        QFont font = m_font;
        font.setBold(bold);
        QTextOption option(m_alignment);
        option.setWrapMode(QTextOption::WordWrap);
        m_layout.setText(shown);
        m_layout.setTextWidth(rect.width());
        m_layout.setTextOption(option);
        m_layout.prepare(QTransform(), font);
        m_laidOutText = shown;
        m_laidOutFont = font;
        m_laidOutWidth = rect.width();
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(m_laidOutFont);
    painter.setPen(m_colour);
    painter.drawStaticText(rect.topLeft(), m_layout);
    painter.restore();
}

} // namespace app
