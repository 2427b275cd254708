// The fixed tables of the quiz board, in twips from the top-left corner of the
// window's client area (15 twips to a pixel at 96 dpi).
//
// Everything that places, judges or draws the board reads these tables; the map
// generator in tools/ reads them too, so the map is fitted to exactly what the
// game tests against. Country names are the match keys and must stay exactly as
// written: "C\u00f4te d'Ivoire" has the letter o with circumflex and an ASCII apostrophe.
#pragma once

#include "quiz/Twips.h"

#include <QStringView>
#include <array>

namespace quiz {

inline constexpr int kCountryCount = 48;
inline constexpr int kHotspotCount = 156;
inline constexpr int kLeaderLineCount = 15;

// Row k: the name that list entry k must hold and that name slot k shows.
inline constexpr std::array<QStringView, kCountryCount> kCountryNames{
    u"Algeria", // 0
    u"Angola", // 1
    u"Benin", // 2
    u"Botswana", // 3
    u"Burkina Faso", // 4
    u"Burundi", // 5
    u"Cameroon", // 6
    u"Central African Rep", // 7
    u"Chad", // 8
    u"Congo", // 9
    u"C\u00f4te d'Ivoire", // 10
    u"Democratic Republic of Congo", // 11
    u"Djibouti", // 12
    u"Egypt", // 13
    u"Equatorial Guinea", // 14
    u"Ethiopia", // 15
    u"Gabon", // 16
    u"Gambia", // 17
    u"Ghana", // 18
    u"Guinea", // 19
    u"Guinea Bissau", // 20
    u"Kenya", // 21
    u"Lesotho", // 22
    u"Liberia", // 23
    u"Libya", // 24
    u"Madagascar", // 25
    u"Malawi", // 26
    u"Mali", // 27
    u"Mauritania", // 28
    u"Morocco", // 29
    u"Mozambique", // 30
    u"Namibia", // 31
    u"Niger", // 32
    u"Nigeria", // 33
    u"Rwanda", // 34
    u"Senegal", // 35
    u"Sierra Leone", // 36
    u"Somalia", // 37
    u"South Africa", // 38
    u"Sudan", // 39
    u"Swaziland", // 40
    u"Tanzania", // 41
    u"Togo", // 42
    u"Tunisia", // 43
    u"Uganda", // 44
    u"Western Sahara", // 45
    u"Zambia", // 46
    u"Zimbabwe", // 47
};

struct Hotspot {
    QStringView tag;
    TwipRect rect;
};

// Hotspot i; where hotspots overlap, the higher index lies in front.
inline constexpr std::array<Hotspot, kHotspotCount> kHotspots{{
    {u"Algeria", {2040, 1350, 1245, 1185}}, // 0
    {u"Algeria", {2250, 840, 915, 525}}, // 1
    {u"Algeria", {1560, 1620, 495, 525}}, // 2
    {u"Algeria", {2430, 2520, 495, 405}}, // 3
    {u"Algeria", {2910, 2520, 255, 285}}, // 4
    {u"Algeria", {1830, 2100, 255, 285}}, // 5
    {u"Algeria", {2280, 630, 975, 225}}, // 6
    {u"Angola", {3720, 6810, 915, 1245}}, // 7
    {u"Angola", {3600, 6510, 465, 285}}, // 8
    {u"Angola", {4620, 7230, 255, 285}}, // 9
    {u"Angola", {3480, 6810, 285, 1245}}, // 10
    {u"Benin", {2280, 4080, 165, 765}}, // 11
    {u"Benin", {2220, 4050, 315, 285}}, // 12
    {u"Botswana", {4380, 8700, 165, 375}}, // 13
    {u"Botswana", {4530, 8190, 495, 1005}}, // 14
    {u"Botswana", {4980, 8430, 255, 495}}, // 15
    {u"Botswana", {4500, 9150, 225, 195}}, // 16
    {u"Botswana", {5190, 8640, 195, 165}}, // 17
    {u"Burkina Faso", {1740, 3810, 495, 375}}, // 18
    {u"Burkina Faso", {1530, 4020, 255, 315}}, // 19
    {u"Burkina Faso", {1920, 3660, 285, 375}}, // 20
    {u"Burundi", {5490, 6030, 225, 285}}, // 21
    {u"Cameroon", {3750, 5220, 225, 225}}, // 22
    {u"Cameroon", {3150, 4770, 645, 585}}, // 23
    {u"Cameroon", {3510, 4500, 345, 285}}, // 24
    {u"Cameroon", {3570, 4260, 225, 285}}, // 25
    {u"Cameroon", {3690, 4080, 165, 225}}, // 26
    {u"Central African Rep", {3840, 4650, 465, 555}}, // 27
    {u"Central African Rep", {4290, 4470, 465, 585}}, // 28
    {u"Central African Rep", {4710, 4710, 465, 315}}, // 29
    {u"Central African Rep", {4620, 4560, 465, 495}}, // 30
    {u"Central African Rep", {4560, 4170, 285, 585}}, // 31
    {u"Chad", {3960, 2970, 915, 555}}, // 32
    {u"Chad", {3900, 3540, 795, 555}}, // 33
    {u"Chad", {3870, 4020, 405, 555}}, // 34
    {u"Chad", {3870, 2520, 255, 225}}, // 35
    {u"Chad", {4260, 3870, 285, 555}}, // 36
    {u"Chad", {3720, 3510, 225, 225}}, // 37
    {u"Chad", {3930, 2670, 405, 315}}, // 38
    {u"Chad", {4320, 2790, 255, 195}}, // 39
    {u"Congo", {3750, 5430, 255, 585}}, // 40
    {u"Congo", {3990, 5220, 195, 645}}, // 41
    {u"Congo", {3450, 6000, 495, 345}}, // 42
    {u"Democratic Republic of Congo", {4200, 5070, 1275, 1665}}, // 43
    {u"Democratic Republic of Congo", {4680, 6660, 765, 555}}, // 44
    {u"Democratic Republic of Congo", {3990, 5970, 225, 555}}, // 45
    {u"Democratic Republic of Congo", {4770, 5130, 915, 435}}, // 46
    {u"Democratic Republic of Congo", {4650, 5310, 915, 555}}, // 47
    {u"Democratic Republic of Congo", {4050, 6150, 975, 555}}, // 48
    {u"C\u00f4te d'Ivoire", {1230, 4290, 495, 735}}, // 49
    {u"Djibouti", {6930, 3870, 225, 345}}, // 50
    {u"Egypt", {4950, 1410, 1125, 1245}}, // 51
    {u"Equatorial Guinea", {3150, 5370, 285, 195}}, // 52
    {u"Ethiopia", {6330, 3750, 615, 1335}}, // 53
    {u"Ethiopia", {6930, 4530, 615, 285}}, // 54
    {u"Ethiopia", {6330, 3330, 555, 435}}, // 55
    {u"Ethiopia", {6060, 4350, 615, 345}}, // 56
    {u"Ethiopia", {6120, 4140, 615, 345}}, // 57
    {u"Ethiopia", {6180, 3960, 615, 345}}, // 58
    {u"Ethiopia", {6180, 4560, 615, 345}}, // 59
    {u"Ethiopia", {6780, 4680, 615, 345}}, // 60
    {u"Ethiopia", {6570, 4350, 615, 345}}, // 61
    {u"Ethiopia", {6510, 4200, 615, 345}}, // 62
    {u"Ethiopia", {6750, 4440, 615, 345}}, // 63
    {u"Gabon", {3150, 5550, 615, 465}}, // 64
    {u"Gabon", {3420, 5370, 345, 345}}, // 65
    {u"Gabon", {3120, 5880, 345, 345}}, // 66
    {u"Gambia", {180, 3750, 405, 135}}, // 67
    {u"Ghana", {1740, 4170, 375, 855}}, // 68
    {u"Guinea", {570, 3990, 495, 315}}, // 69
    {u"Guinea", {900, 4110, 285, 435}}, // 70
    {u"Guinea", {450, 4080, 195, 315}}, // 71
    {u"Guinea Bissau", {210, 3900, 345, 195}}, // 72
    {u"Guinea Bissau", {270, 4020, 195, 195}}, // 73
    {u"Kenya", {6150, 5070, 795, 825}}, // 74
    {u"Kenya", {6330, 5220, 555, 825}}, // 75
    {u"Kenya", {6510, 5490, 375, 825}}, // 76
    {u"Lesotho", {5130, 9570, 315, 315}}, // 77
    {u"Liberia", {810, 4560, 405, 495}}, // 78
    {u"Libya", {3360, 1350, 1605, 1125}}, // 79
    {u"Libya", {4590, 2460, 405, 495}}, // 80
    {u"Libya", {4200, 2190, 405, 495}}, // 81
    {u"Madagascar", {6930, 7350, 1005, 1905}}, // 82
    {u"Malawi", {5940, 6990, 285, 1005}}, // 83
    {u"Mali", {1500, 2880, 1095, 675}}, // 84
    {u"Mali", {1500, 2250, 345, 675}}, // 85
    {u"Mali", {1560, 2550, 735, 675}}, // 86
    {u"Mali", {810, 3540, 825, 435}}, // 87
    {u"Mali", {1530, 3120, 375, 675}}, // 88
    {u"Mali", {1170, 3570, 375, 675}}, // 89
    {u"Mauritania", {810, 2490, 675, 1065}}, // 90
    {u"Mauritania", {960, 2100, 555, 435}}, // 91
    {u"Mauritania", {330, 2730, 675, 645}}, // 92
    {u"Mauritania", {630, 2730, 705, 795}}, // 93
    {u"Morocco", {1530, 780, 705, 495}}, // 94
    {u"Morocco", {1260, 1230, 525, 345}}, // 95
    {u"Morocco", {900, 1560, 495, 315}}, // 96
    {u"Morocco", {1680, 1230, 285, 225}}, // 97
    {u"Mozambique", {6240, 7260, 555, 825}}, // 98
    {u"Mozambique", {5880, 7980, 585, 1305}}, // 99
    {u"Mozambique", {5670, 7710, 285, 225}}, // 100
    {u"Mozambique", {5730, 8640, 555, 735}}, // 101
    {u"Namibia", {3450, 8070, 945, 1575}}, // 102
    {u"Namibia", {3990, 8130, 555, 585}}, // 103
    {u"Niger", {3180, 2610, 675, 885}}, // 104
    {u"Niger", {2640, 3030, 675, 795}}, // 105
    {u"Niger", {2970, 2940, 675, 885}}, // 106
    {u"Niger", {2250, 3540, 345, 465}}, // 107
    {u"Nigeria", {2580, 3810, 675, 1005}}, // 108
    {u"Nigeria", {2850, 3870, 675, 885}}, // 109
    {u"Nigeria", {3510, 3870, 195, 405}}, // 110
    {u"Nigeria", {2460, 4320, 675, 825}}, // 111
    {u"Rwanda", {5490, 5850, 255, 195}}, // 112
    {u"Senegal", {180, 3360, 465, 405}}, // 113
    {u"Senegal", {480, 3570, 285, 195}}, // 114
    {u"Senegal", {570, 3750, 225, 195}}, // 115
    {u"Sierra Leone", {570, 4320, 315, 405}}, // 116
    {u"Somalia", {7530, 3960, 525, 645}}, // 117
    {u"Somalia", {7230, 4110, 525, 345}}, // 118
    {u"Somalia", {7590, 4500, 315, 645}}, // 119
    {u"Somalia", {6960, 5100, 525, 735}}, // 120
    {u"Somalia", {7380, 4830, 525, 705}}, // 121
    {u"Somalia", {7110, 5010, 525, 645}}, // 122
    {u"South Africa", {4050, 9630, 1095, 825}}, // 123
    {u"South Africa", {5130, 9900, 525, 345}}, // 124
    {u"South Africa", {4380, 9330, 765, 645}}, // 125
    {u"South Africa", {5100, 8970, 465, 615}}, // 126
    {u"South Africa", {5370, 8760, 345, 435}}, // 127
    {u"South Africa", {5460, 9450, 375, 465}}, // 128
    {u"Sudan", {4980, 2670, 1065, 1905}}, // 129
    {u"Sudan", {5820, 2610, 645, 735}}, // 130
    {u"Sudan", {4740, 3540, 525, 645}}, // 131
    {u"Sudan", {5490, 4470, 525, 645}}, // 132
    {u"Sudan", {5280, 4530, 285, 405}}, // 133
    {u"Sudan", {5160, 4140, 525, 645}}, // 134
    {u"Sudan", {5730, 4830, 525, 255}}, // 135
    {u"Sudan", {5790, 3240, 525, 645}}, // 136
    {u"Sudan", {5640, 3450, 525, 645}}, // 137
    {u"Swaziland", {5550, 9180, 225, 285}}, // 138
    {u"Tanzania", {5910, 6120, 615, 885}}, // 139
    {u"Tanzania", {6240, 6300, 525, 945}}, // 140
    {u"Tanzania", {5700, 6210, 525, 645}}, // 141
    {u"Tanzania", {6030, 5970, 315, 195}}, // 142
    {u"Tanzania", {5730, 6090, 525, 645}}, // 143
    {u"Togo", {2130, 4170, 165, 705}}, // 144
    {u"Tunisia", {3180, 540, 405, 825}}, // 145
    {u"Uganda", {5670, 5130, 495, 525}}, // 146
    {u"Uganda", {5580, 5580, 225, 285}}, // 147
    {u"Zambia", {4860, 7380, 495, 705}}, // 148
    {u"Zambia", {5460, 6900, 495, 825}}, // 149
    {u"Zambia", {5160, 7350, 495, 525}}, // 150
    {u"Zambia", {4620, 7530, 495, 525}}, // 151
    {u"Zimbabwe", {5250, 7950, 615, 735}}, // 152
    {u"Western Sahara", {480, 1890, 495, 585}}, // 153
    {u"Western Sahara", {870, 1860, 495, 255}}, // 154
    {u"Western Sahara", {300, 2160, 495, 585}}, // 155
}};

// Name slot k belongs to country row k.
inline constexpr std::array<TwipRect, kCountryCount> kSlotRects{{
    {2160, 1740, 885, 225}, // 0 Algeria
    {3660, 7350, 885, 225}, // 1 Angola
    {2040, 5400, 885, 225}, // 2 Benin
    {4440, 8580, 885, 225}, // 3 Botswana
    {1560, 3870, 1245, 225}, // 4 Burkina Faso
    {4620, 6360, 885, 225}, // 5 Burundi
    {2910, 5040, 885, 225}, // 6 Cameroon
    {4080, 4560, 885, 585}, // 7 Central African Rep
    {3810, 3510, 885, 225}, // 8 Chad
    {3570, 5670, 885, 225}, // 9 Congo
    {720, 5370, 885, 465}, // 10 Côte d'Ivoire
    {4410, 5700, 1005, 705}, // 11 Democratic Republic of Congo
    {7560, 3420, 885, 225}, // 12 Djibouti
    {5010, 1920, 885, 225}, // 13 Egypt
    {1890, 5850, 885, 465}, // 14 Equatorial Guinea
    {6240, 4440, 885, 225}, // 15 Ethiopia
    {2700, 5730, 885, 225}, // 16 Gabon
    {30, 1590, 885, 225}, // 17 Gambia
    {1080, 6060, 885, 225}, // 18 Ghana
    {240, 6060, 885, 465}, // 19 Guinea
    {90, 6600, 885, 705}, // 20 Guinea Bissau
    {6120, 5460, 885, 225}, // 21 Kenya
    {5970, 9840, 885, 225}, // 22 Lesotho
    {1020, 6720, 885, 225}, // 23 Liberia
    {3750, 1860, 885, 225}, // 24 Libya
    {6990, 8250, 885, 225}, // 25 Madagascar
    {5640, 7350, 885, 225}, // 26 Malawi
    {1590, 3090, 885, 225}, // 27 Mali
    {510, 2850, 885, 225}, // 28 Mauritania
    {870, 1170, 885, 225}, // 29 Morocco
    {5970, 8040, 885, 225}, // 30 Mozambique
    {3420, 8670, 885, 225}, // 31 Namibia
    {2790, 3210, 885, 225}, // 32 Niger
    {2610, 4230, 885, 225}, // 33 Nigeria
    {7350, 6240, 885, 225}, // 34 Rwanda
    {60, 3450, 885, 225}, // 35 Senegal
    {30, 5610, 885, 225}, // 36 Sierra Leone
    {7170, 5070, 885, 225}, // 37 Somalia
    {4200, 9750, 885, 225}, // 38 South Africa
    {5100, 3630, 885, 225}, // 39 Sudan
    {6480, 9450, 885, 225}, // 40 Swaziland
    {5850, 6480, 885, 225}, // 41 Tanzania
    {1620, 5220, 885, 225}, // 42 Togo
    {3300, 810, 885, 225}, // 43 Tunisia
    {5490, 5250, 885, 225}, // 44 Uganda
    {330, 2100, 885, 465}, // 45 Western Sahara
    {4770, 7590, 885, 225}, // 46 Zambia
    {5100, 8190, 885, 225}, // 47 Zimbabwe
}};

struct LeaderLine {
    QStringView country;
    TwipLine ends;
};

// Line n (1 to 15) is element n - 1. One end lies on the country, the other at
// or just beside its name slot: the second end for most lines, the first for
// Line1, Line4 and Line10.
inline constexpr std::array<LeaderLine, kLeaderLineCount> kLeaderLines{{
    {u"Benin", {2520, 5370, 2370, 4710}}, // Line1
    {u"Burundi", {5580, 6150, 5160, 6360}}, // Line2
    {u"C\u00f4te d'Ivoire", {1500, 4920, 1320, 5400}}, // Line3
    {u"Djibouti", {7650, 3630, 7020, 4080}}, // Line4
    {u"Equatorial Guinea", {3300, 5430, 2460, 5850}}, // Line5
    {u"Gambia", {240, 3810, 180, 1800}}, // Line6
    {u"Ghana", {1860, 4920, 1200, 6030}}, // Line7
    {u"Guinea", {540, 4170, 420, 5970}}, // Line8
    {u"Guinea Bissau", {330, 4020, 180, 6540}}, // Line9
    {u"Lesotho", {5790, 9930, 5310, 9720}}, // Line10
    {u"Liberia", {960, 4770, 1140, 6690}}, // Line11
    {u"Rwanda", {5580, 6000, 7350, 6330}}, // Line12
    {u"Sierra Leone", {720, 4530, 600, 5610}}, // Line13
    {u"Swaziland", {5640, 9330, 6420, 9540}}, // Line14
    {u"Togo", {2220, 4770, 2160, 5160}}, // Line15
}};

} // namespace quiz
