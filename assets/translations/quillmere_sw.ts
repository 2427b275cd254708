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
        <translation>NCHI :</translation>
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
        <location filename="../../quiz/DropRules.cpp" line="77"/>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>HONGERA! RAMANI IMEKAMILIKA!</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="18"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>Buruta kila jina la nchi hadi mahali pake kwenye ramani. Kwa kibodi: Tab hadi orodha ya nchi, chagua jina kwa vitufe vya mishale au herufi yake ya kwanza, na ulichukue kwa Enter. Sogeza kituo cha kudondosha juu ya ramani kwa vitufe vya mishale, Shift kwa hatua kubwa, na udondoshe jina kwa Enter; Escape hulirudisha.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="74"/>
        <source>Pick up this name</source>
        <translation>Chukua jina hili</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="116"/>
        <source>Drop point for %1</source>
        <translation>Kituo cha kudondosha %1</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="118"/>
        <source>Drop point</source>
        <translation>Kituo cha kudondosha</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="125"/>
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
        <translation>%1 imewekwa. %2 kati ya %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="18"/>
        <source>Not there. %1 is back in the list.</source>
        <translation>Si hapo. %1 imerudi kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="23"/>
        <source>%1 put back.</source>
        <translation>%1 imerudishwa.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="28"/>
        <source>New game. %1 names in the list.</source>
        <translation>Mchezo mpya. Majina %1 kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="34"/>
        <source>%1% across, %2% down</source>
        <translation>%1% kwa upana, %2% kwenda chini</translation>
    </message>
</context>
</TS>
