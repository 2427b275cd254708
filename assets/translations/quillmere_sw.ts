<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="58"/>
        <source>INSTRUCTIONS</source>
        <translation>MAELEKEZO</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>BURUTA KILA JINA LA NCHI HADI MAHALI PAKE KWENYE RAMANI</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="63"/>
        <source>COUNTRIES :</source>
        <translation>NCHI:</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="67"/>
        <source>Restart</source>
        <translation>Anza upya</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="68"/>
        <source>Exit</source>
        <translation>Toka</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="31"/>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>HONGERA! RAMANI IMEKAMILIKA!</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="33"/>
        <source>OK</source>
        <translation>Sawa</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="18"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>Buruta kila jina la nchi hadi mahali pake kwenye ramani. Kwa kibodi: bonyeza Tab ili ufike kwenye orodha ya nchi, chagua jina kwa vitufe vya mishale au kwa herufi yake ya kwanza, kisha ulichukue kwa Enter. Sogeza alama ya kudondoshea juu ya ramani kwa vitufe vya mishale (pamoja na Shift kwa hatua kubwa), kisha udondoshe jina kwa Enter; Escape hulirudisha kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="74"/>
        <source>Pick up this name</source>
        <translation>Chukua jina hili</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="41"/>
        <source>Drop point for %1</source>
        <translation>Alama ya kudondoshea %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="42"/>
        <source>Drop point</source>
        <translation>Alama ya kudondoshea</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="124"/>
        <source>Drop the name here</source>
        <translation>Dondosha jina hapa</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.h" line="78"/>
        <source>Map of Africa</source>
        <translation>Ramani ya Afrika</translation>
    </message>
    <message>
        <location filename="../../app/window/NameList.cpp" line="17"/>
        <source>Countries</source>
        <translation>Nchi</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="13"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1: sahihi! %2 kati ya %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="18"/>
        <source>Not there. %1 is back in the list.</source>
        <translation>Si hapo. Jina %1 limerudi kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="23"/>
        <source>%1 put back.</source>
        <translation>Jina %1 limerudishwa kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="28"/>
        <source>New game. %1 names in the list.</source>
        <translation>Mchezo mpya. Majina %1 kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="34"/>
        <source>%1% across, %2% down</source>
        <translation>%1% kutoka kushoto, %2% kutoka juu</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="47"/>
        <source>Drop point for %1: %2</source>
        <translation>Alama ya kudondoshea %1: %2</translation>
    </message>
</context>
</TS>
