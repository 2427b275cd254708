// The text of one label, laid out once and drawn from the layout until it changes.
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
};

} // namespace app
