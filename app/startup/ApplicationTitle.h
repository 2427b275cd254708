#pragma once

#include <QString>
#include <QStringView>

namespace app {

inline constexpr QStringView kProductName = u"Quillmere";

// The title made from a product name: the last word is cut, and further words
// while the rest is longer than 40 characters. A name without a space is kept whole.
QString applicationTitleFor(const QString &productName);

// Makes the title of the product name the application's name, which captions
// the boxes that give none of their own.
void SetApplicationTitle();

} // namespace app
