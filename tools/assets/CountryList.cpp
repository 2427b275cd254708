#include "CountryList.h"

#include "quiz/BoardTables.h"

#include <QStringEncoder>
#include <stdexcept>

namespace assets {

QByteArray countryListFile()
{
    QStringEncoder windows1252("windows-1252");
    if (!windows1252.isValid())
        throw std::runtime_error("this Qt has no Windows-1252 encoder");
    QByteArray bytes;
    for (QStringView name : quiz::kCountryNames)
        bytes += QByteArray(windows1252.encode(name)) + "\r\n";
    if (windows1252.hasError())
        throw std::runtime_error("a country name has a letter that Windows-1252 lacks");
    return bytes;
}

} // namespace assets
