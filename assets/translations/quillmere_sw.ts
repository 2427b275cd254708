<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>INSTRUCTIONS</source>
        <translation>MAELEKEZO</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="62"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>BURUTA KILA JINA LA NCHI HADI MAHALI PAKE KWENYE RAMANI</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="65"/>
        <source>COUNTRIES :</source>
        <translation>NCHI:</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="69"/>
        <source>Restart</source>
        <translation>Anza upya</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="70"/>
        <source>Exit</source>
        <translation>Funga</translation>
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
        <location filename="../../quiz/SpokenResults.cpp" line="33"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>Buruta kila jina la nchi hadi mahali pake kwenye ramani. Kwa kibodi: bonyeza Tab ili ufike kwenye orodha ya nchi, chagua jina kwa vitufe vya mishale au kwa herufi yake ya kwanza, kisha ulichukue kwa Enter. Sogeza alama ya kudondoshea juu ya ramani kwa vitufe vya mishale (pamoja na Shift kwa hatua kubwa), kisha udondoshe jina kwa Enter; Escape hulirudisha kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="39"/>
        <source>Ctrl with an arrow key takes the drop point to the next country that way.</source>
        <translation>Ctrl pamoja na kitufe cha mshale hupeleka alama ya kudondoshea kwenye nchi inayofuata upande huo.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="65"/>
        <source>Pick up this name</source>
        <translation>Chukua jina hili</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point for %1</source>
        <translation>Alama ya kudondoshea %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point</source>
        <translation>Alama ya kudondoshea</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="113"/>
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
        <location filename="../../quiz/SpokenResults.cpp" line="40"/>
        <source>F1 says these instructions again.</source>
        <translation>F1 hurudia maelekezo haya.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="45"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1: sahihi! %2 kati ya %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="50"/>
        <source>Not there: %1. %2 is back in the list.</source>
        <translation>Si hapo: %1. Jina %2 limerudi kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="55"/>
        <source>%1 put back.</source>
        <translation>Jina %1 limerudishwa kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="60"/>
        <source>New game. %1 names in the list.</source>
        <translation>Mchezo mpya. Kuna majina %1 kwenye orodha.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="66"/>
        <source>%1% across, %2% down</source>
        <translation>Asilimia %1 kutoka kushoto, asilimia %2 kutoka juu</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="75"/>
        <source>%1% across</source>
        <translation>Asilimia %1 kutoka kushoto</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="77"/>
        <source>%1% down</source>
        <translation>Asilimia %1 kutoka juu</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="78"/>
        <source>Edge of the map</source>
        <translation>Ukingo wa ramani</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="85"/>
        <source>Sea</source>
        <translation>Bahari</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="93"/>
        <source>Country not yet named</source>
        <translation>Nchi ambayo bado haina jina</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="94"/>
        <source>Country not yet named, next to %1</source>
        <translation>Nchi ambayo bado haina jina, karibu na %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="99"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="106"/>
        <source>in the sea</source>
        <translation>baharini</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="107"/>
        <source>on %1</source>
        <translation>juu ya %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="108"/>
        <source>on a country not yet named</source>
        <translation>juu ya nchi ambayo bado haina jina</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="113"/>
        <source>No more countries that way</source>
        <translation>Hakuna nchi nyingine upande huo</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="119"/>
        <source>No name begins with %1</source>
        <translation>Hakuna jina linaloanza na %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="121"/>
        <source>Top of the list</source>
        <translation>Mwanzo wa orodha</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="123"/>
        <source>End of the list</source>
        <translation>Mwisho wa orodha</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="137"/>
        <source>Drop point for %1: %2. %3</source>
        <translation>Alama ya kudondoshea %1: %2. %3</translation>
    </message>
    <message>
        <source>Not there: %1.</source>
        <extracomment>A name the keys dropped where it does not belong; the focus, back on the name, says which. %1 is where it fell: "in the sea", "on Egypt".</extracomment>
        <translation>Si hapo: %1.</translation>
    </message>
    <message>
        <source>No names to the left</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>Hakuna majina upande wa kushoto</translation>
    </message>
    <message>
        <source>No names to the right</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>Hakuna majina upande wa kulia</translation>
    </message>
    <message>
        <source>%1 is carried: the arrow keys move it, Enter drops it, Escape puts it back.</source>
        <extracomment>A key that does nothing while a name is carried over the map. %1 is the name.</extracomment>
        <translation>Umebeba %1: vitufe vya mishale hulisogeza, Enter hulidondosha, Escape hulirudisha kwenye orodha.</translation>
    </message>
    <message>
        <source>No name is carried: Enter picks up the focused name.</source>
        <extracomment>Escape in the list of names, where nothing is carried to put back.</extracomment>
        <translation>Hujabeba jina lolote: Enter huchukua jina lililochaguliwa.</translation>
    </message>
    <message>
        <source>Across a border: %1</source>
        <extracomment>The drop point went from one country not yet named into another; %1 says the second as the ground under the drop point is said ("Country not yet named, next to Egypt").</extracomment>
        <translation>Umevuka mpaka: %1</translation>
    </message>
</context>
</TS>
