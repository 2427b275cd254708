#pragma once

#include <QByteArray>

namespace assets {

// items.txt as the game expects it beside the program: the country table's names
// in its order, one a line, CR LF, in Windows-1252 without a byte-order mark.
QByteArray countryListFile();

} // namespace assets
