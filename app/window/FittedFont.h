// The font a label's text is drawn in. Every text of the board has a fixed box,
// laid out for the English names and texts, all of which fit their boxes. A text
// of another language that does not fit is fitted for itself alone, never cut:
// the box's own face and size where it fits; else the narrower face (Arial Narrow
// for Arial) at that size, then smaller sizes, down to 7 points, whichever fits
// first. A text that nothing fits is drawn at the smallest.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QTextOption>

namespace app {

// A text laid out in a font within a box's width, wrapped at spaces.
struct TextMeasure {
    qreal widest = 0; // the widest line's advance
    // Its lines' height, measured from where the font's own first baseline lies: a
    // letter of another script drawn from a face with taller lines (Arabic, Ethiopic)
    // would push the baseline down, so the text is drawn that much higher.
    qreal height = 0;
    qreal raise = 0;

    bool fits(QSizeF box) const { return widest <= box.width() && height <= box.height(); }
};

TextMeasure measureText(const QString &text, const QFont &font, const QTextOption &option, qreal width);

struct FittedText {
    QFont font;
    TextMeasure measure;
};

FittedText fitText(const QString &text, const QFont &boxFont, const QTextOption &option, QSizeF box);

// Nothing is drawn smaller than 7 points, at the board's 96 dots per inch.
inline constexpr int kSmallestTextPixels = 10;

} // namespace app
