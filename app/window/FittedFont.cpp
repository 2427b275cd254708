#include "app/window/FittedFont.h"

#include "app/window/BoardFonts.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <vector>

namespace app {

TextMeasure measureText(const QString &text, const QFont &font, const QTextOption &option, qreal width)
{
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    TextMeasure measure;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (measure.height == 0)
            measure.raise = line.ascent() - QFontMetricsF(font).ascent();
        measure.widest = std::max(measure.widest, line.naturalTextWidth());
        measure.height += line.height();
    }
    layout.endLayout();
    measure.height -= measure.raise;
    return measure;
}

FittedText fitText(const QString &text, const QFont &boxFont, const QTextOption &option, QSizeF box)
{
    const QString family = boxFont.family();
    const QStringView narrower = narrowerFace(family).value_or(family);
    std::vector<QFont> candidates{boxFont};
    for (int pixels = boxFont.pixelSize(); pixels >= kSmallestTextPixels; --pixels)
        candidates.push_back(boardFont(narrower, pixels, boxFont.bold()));
    FittedText fitted;
    for (const QFont &font : candidates) {
        fitted = {font, measureText(text, font, option, box.width())};
        if (fitted.measure.fits(box))
            break;
    }
    return fitted;
}

} // namespace app
