#include "quiz/CountryIndex.h"

#include "quiz/BoardLayout.h"
#include "shell/Failure.h"

namespace quiz {

CountryIndex::CountryIndex(QByteArray pixels, int width, int height)
    : m_pixels(std::move(pixels)), m_width(width), m_height(height)
{
    if (width <= 0 || height <= 0 || m_pixels.size() != qsizetype(width) * height)
        throw shell::Failure(QStringLiteral("The country index holds %1 bytes, not %2 x %3")
                                 .arg(m_pixels.size()).arg(width).arg(height));
}

int CountryIndex::at(TwipPoint p) const
{
    const TwipRect &picture = kMapPictureRect;
    if (!picture.contains(p))
        return 0;
    const qint64 x = qint64(p.x - picture.left) * m_width / picture.width;
    const qint64 y = qint64(p.y - picture.top) * m_height / picture.height;
    return quint8(m_pixels[qsizetype(y * m_width + x)]);
}

} // namespace quiz
