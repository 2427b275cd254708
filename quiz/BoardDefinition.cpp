#include "quiz/BoardDefinition.h"

#include "quiz/BoardTables.h"

#include <QFile>

namespace quiz {

std::optional<int> BoardDefinition::rowOf(const QString &name) const
{
    const qsizetype row = countryNames.indexOf(name);
    return row < 0 ? std::nullopt : std::optional<int>(int(row));
}

bool BoardDefinition::covers(int area, const TwipRect &rect, TwipPoint p) const
{
    return rect.contains(p) && (!index || index->at(p) == area + 1);
}

QStringList BoardDefinition::builtInNames(const BoardLanguage &language) const
{
    if (readsCountryLists && language.isEnglish())
        return countryNames;
    QStringList names;
    QFile table(QStringLiteral(":/%1/names.%2.txt").arg(namesFolder, language.code()));
    if (table.open(QIODevice::ReadOnly))
        names = QString::fromUtf8(table.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return names;
}

std::shared_ptr<const BoardDefinition> BoardDefinition::tables()
{
    static const auto board = [] {
        auto made = std::make_shared<BoardDefinition>();
        for (QStringView name : kCountryNames)
            made->countryNames.append(name.toString());
        for (const Hotspot &hotspot : kHotspots)
            made->areas.push_back({hotspot.tag.toString(), hotspot.rect});
        made->nameSlots.assign(kSlotRects.begin(), kSlotRects.end());
        for (const LeaderLine &line : kLeaderLines)
            made->leaders.push_back({line.country.toString(), line.ends});
        made->list = kTablesList;
        made->readsCountryLists = true;
        made->namesFolder = QStringLiteral("names");
        made->mapPicture = QStringLiteral(":/pictures/map.jpg");
        made->mapPicture2x = QStringLiteral(":/pictures/map@2x.jpg");
        return std::shared_ptr<const BoardDefinition>(std::move(made));
    }();
    return board;
}

} // namespace quiz
