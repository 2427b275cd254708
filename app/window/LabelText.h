// The text of one label, laid out once and drawn from the layout until it changes.
// A text that does not fit the label's box in the label's own font is drawn in a
// fitted one (FittedFont.h); the text runs in the painter's layout direction, so an
// alignment to the left is to the right in a right-to-left language.
#pragma once

#include <QColor>
#include <QFont>
#include <QStaticText>
#include <QString>

class QPainter;
class QRectF;

namespace app {

class LabelText
{
public:
    LabelText(QFont font, Qt::Alignment alignment, QColor colour);

    // Wraps at spaces within the rectangle's width, cuts off below it.
    void draw(QPainter &painter, const QRectF &rect, const QString &text, bool bold);
    // The font the text was last drawn in.
    const QFont &drawnFont() const { return m_laidOutFont; }

    // No label can show more than this many characters, however long its text.
    static constexpr qsizetype kMaxShownCharacters = 512;

private:
    QFont m_font;
    Qt::Alignment m_alignment;
    QColor m_colour;
    QStaticText m_layout;
    QString m_laidOutText;
    QFont m_laidOutFont;
    qreal m_laidOutWidth = -1;
    Qt::LayoutDirection m_laidOutDirection = Qt::LeftToRight;
    qreal m_raise = 0;
    bool m_laidOutBold = false;
};

} // namespace app
