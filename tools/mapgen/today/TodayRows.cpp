#include "tools/mapgen/today/TodayRows.h"

#include <QFile>
#include <QTextStream>

#include <map>
#include <stdexcept>

namespace mapgen::today {
namespace {

// English first: it is the language every slot must fit at full size.
const QStringList kLanguages{"en", "fr", "ar", "pt", "sw", "am"};

// The English names until names.en.txt is written.
const std::map<QString, QString> kEnglishByCode{
    {"AO", "Angola"}, {"BF", "Burkina Faso"}, {"BI", "Burundi"}, {"BJ", "Benin"}, {"BW", "Botswana"},
    {"CD", "Democratic Republic of the Congo"}, {"CF", "Central African Republic"}, {"CG", "Congo"},
    {"CI", "C\u00f4te d'Ivoire"}, {"CM", "Cameroon"}, {"CV", "Cabo Verde"}, {"DJ", "Djibouti"},
    {"DZ", "Algeria"}, {"EG", "Egypt"}, {"EH", "Western Sahara"}, {"ER", "Eritrea"}, {"ET", "Ethiopia"},
    {"GA", "Gabon"}, {"GH", "Ghana"}, {"GM", "Gambia"}, {"GN", "Guinea"}, {"GQ", "Equatorial Guinea"},
    {"GW", "Guinea-Bissau"}, {"KE", "Kenya"}, {"KM", "Comoros"}, {"LR", "Liberia"}, {"LS", "Lesotho"},
    {"LY", "Libya"}, {"MA", "Morocco"}, {"MG", "Madagascar"}, {"ML", "Mali"}, {"MR", "Mauritania"},
    {"MU", "Mauritius"}, {"MW", "Malawi"}, {"MZ", "Mozambique"}, {"NA", "Namibia"}, {"NE", "Niger"},
    {"NG", "Nigeria"}, {"RW", "Rwanda"}, {"SC", "Seychelles"}, {"SD", "Sudan"}, {"SL", "Sierra Leone"},
    {"SN", "Senegal"}, {"SO", "Somalia"}, {"SS", "South Sudan"}, {"ST", "S\u00e3o Tom\u00e9 and Pr\u00edncipe"},
    {"SZ", "Eswatini"}, {"TD", "Chad"}, {"TG", "Togo"}, {"TN", "Tunisia"}, {"TZ", "Tanzania"},
    {"UG", "Uganda"}, {"ZA", "South Africa"}, {"ZM", "Zambia"}, {"ZW", "Zimbabwe"},
};

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + path.toStdString());
    QStringList lines;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd())
        lines.append(in.readLine());
    return lines;
}

} // namespace

std::vector<TodayRow> readTodayRows(const QString& boardDir)
{
    std::vector<TodayRow> rows;
    for (const QString& line : readLines(boardDir + "/rows.tsv")) {
        if (line.startsWith('#') || line.isEmpty())
            continue;
        const QStringList fields = line.split('\t');
        if (fields.size() != 3 || !kEnglishByCode.contains(fields[0]))
            throw std::runtime_error("malformed row in rows.tsv: " + line.toStdString());
        rows.push_back({fields[0], fields[2], {kEnglishByCode.at(fields[0])}});
    }
    for (const QString& language : kLanguages) {
        const QString path = boardDir + "/names." + language + ".txt";
        if (!QFile::exists(path))
            continue;
        const QStringList names = readLines(path);
        if (names.size() != qsizetype(rows.size()))
            throw std::runtime_error(path.toStdString() + " does not have a name for every row");
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (language == kLanguages.first())
                rows[k].names.first() = names[qsizetype(k)];
            else
                rows[k].names.append(names[qsizetype(k)]);
        }
    }
    return rows;
}

int rowOfNaturalEarthName(const std::vector<TodayRow>& rows, const QString& name)
{
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (rows[k].naturalEarthName == name)
            return int(k);
    return -1;
}

} // namespace mapgen::today
