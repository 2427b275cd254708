// Which country's land lies under each pixel of a drawn map picture: the map that
// judges a board drawn and judged by the same generator, so the two cannot disagree.
#pragma once

#include "quiz/Twips.h"

#include <QByteArray>

namespace quiz {

class CountryIndex
{
public:
    // One byte a pixel, row after row, over the map picture's rectangle as the window
    // stretches it: 0 where no country lies, else the country's row + 1.
    CountryIndex(QByteArray pixels, int width, int height);

    // Row + 1 of the country at `p`, in the window's twips; 0 off the picture.
    int at(TwipPoint p) const;
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    QByteArray m_pixels;
    int m_width;
    int m_height;
};

} // namespace quiz
