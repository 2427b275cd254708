// What makes one board differ from another: its countries, the shape of the area
// where each is judged, where placed names are written, how its list is laid out and
// where its names come from. Play, judging, the keys and the spoken results read all
// of it from here, so they hold for any board.
#pragma once

#include "quiz/BoardLanguage.h"
#include "quiz/BoardLayout.h"
#include "quiz/CountryIndex.h"
#include "quiz/Twips.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace quiz {

struct CountryArea {
    QString tag;
    TwipRect rect;
};

struct NameLeader {
    QString country;
    TwipLine ends;
};

struct BoardDefinition {
    // Row k's English name: the key its drops are judged by.
    QStringList countryNames;
    // The areas that become drop targets at set-up; the higher index lies in front.
    std::vector<CountryArea> areas;
    // Where a drawn map judges, area i covers only the points of its rectangle that
    // the index gives to row i; without one, the whole rectangle.
    std::optional<CountryIndex> index;
    // Slot k belongs to row k.
    std::vector<TwipRect> nameSlots;
    // Line n (from 1) is element n - 1.
    std::vector<NameLeader> leaders;
    ListLayout list;
    // The names come from the country list files beside the program, as the board was
    // made; without them, from the board's own names in every language.
    bool readsCountryLists = false;
    // The board's own names: ":/<namesFolder>/names.<language>.txt", rows' order; on a
    // board that reads the country lists, English is its rows' names.
    QString namesFolder;
    // The map picture, and the same drawn at twice the size.
    QString mapPicture;
    QString mapPicture2x;

    int countryCount() const { return int(countryNames.size()); }
    std::optional<int> rowOf(const QString &name) const;
    bool covers(int area, const TwipRect &rect, TwipPoint p) const;
    // The names the list shows in `language` when no country list replaces them.
    QStringList builtInNames(const BoardLanguage &language) const;
    // The list keeps the order of the country list file in English, as designed; every
    // other list is in its language's alphabetical order.
    bool keepsFileOrder(const BoardLanguage &language) const { return readsCountryLists && language.isEnglish(); }

    // The board of the country tables (BoardTables.h): 48 countries judged by hotspots.
    static std::shared_ptr<const BoardDefinition> tables();
};

} // namespace quiz
