<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="am">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>INSTRUCTIONS</source>
        <translation>መመሪያዎች</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="62"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>የእያንዳንዱን አገር ስም በካርታው ላይ ወዳለው ትክክለኛ ቦታው ይጎትቱ</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="65"/>
        <source>COUNTRIES :</source>
        <translation>አገሮች፦</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="69"/>
        <source>Restart</source>
        <translation>እንደገና ይጀምሩ</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="70"/>
        <source>Exit</source>
        <translation>ይውጡ</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="31"/>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>እንኳን ደስ አለዎት! ካርታው ተጠናቋል!</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="33"/>
        <source>OK</source>
        <translation>እሺ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="33"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>የእያንዳንዱን አገር ስም በካርታው ላይ ወዳለው ትክክለኛ ቦታው ይጎትቱ። በቁልፍ ሰሌዳ፦ Tabን በመጫን ወደ አገሮች ዝርዝር ይሂዱ፣ ስም በቀስት ቁልፎች ወይም በመጀመሪያ ፊደሉ ይምረጡ፣ በEnter ያንሱት። የማስቀመጫ ነጥቡን በቀስት ቁልፎች በካርታው ላይ ያንቀሳቅሱ (ለትልቅ እርምጃ ከShift ጋር)፣ ስሙን በEnter ያስቀምጡ፤ Escape ወደ ዝርዝሩ ይመልሰዋል።</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="39"/>
        <source>Ctrl with an arrow key takes the drop point to the next country that way.</source>
        <translation>Ctrl ከቀስት ቁልፍ ጋር ማስቀመጫ ነጥቡን በዚያ አቅጣጫ ወዳለው ቀጣይ አገር ይወስዳል።</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="65"/>
        <source>Pick up this name</source>
        <translation>ይህን ስም ያንሱ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point for %1</source>
        <translation>የ%1 ማስቀመጫ ነጥብ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point</source>
        <translation>ማስቀመጫ ነጥብ</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="113"/>
        <source>Drop the name here</source>
        <translation>ስሙን እዚህ ያስቀምጡ</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.h" line="78"/>
        <source>Map of Africa</source>
        <translation>የአፍሪካ ካርታ</translation>
    </message>
    <message>
        <location filename="../../app/window/NameList.cpp" line="17"/>
        <source>Countries</source>
        <translation>አገሮች</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="40"/>
        <source>F1 says these instructions again.</source>
        <translation>F1 እነዚህን መመሪያዎች ይደግማል።</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="45"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1፦ ትክክል! ከ%3 ውስጥ %2።</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="50"/>
        <source>Not there: %1. %2 is back in the list.</source>
        <translation>እዚያ አይደለም፦ %1። %2 የሚለው ስም ወደ ዝርዝሩ ተመልሷል።</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="55"/>
        <source>%1 put back.</source>
        <translation>%1 የሚለው ስም ወደ ዝርዝሩ ተመልሷል።</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="60"/>
        <source>New game. %1 names in the list.</source>
        <translation>አዲስ ጨዋታ። በዝርዝሩ ውስጥ %1 ስሞች አሉ።</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="66"/>
        <source>%1% across, %2% down</source>
        <translation>ከግራ %1 በመቶ፣ ከላይ %2 በመቶ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="75"/>
        <source>%1% across</source>
        <translation>ከግራ %1 በመቶ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="77"/>
        <source>%1% down</source>
        <translation>ከላይ %1 በመቶ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="78"/>
        <source>Edge of the map</source>
        <translation>የካርታው ጠርዝ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="85"/>
        <source>Sea</source>
        <translation>ባሕር</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="93"/>
        <source>Country not yet named</source>
        <translation>ገና ያልተሰየመ አገር</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="94"/>
        <source>Country not yet named, next to %1</source>
        <translation>ገና ያልተሰየመ አገር፤ አጠገቡ፦ %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="99"/>
        <source>%1. %2</source>
        <translation>%1። %2</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="106"/>
        <source>in the sea</source>
        <translation>ባሕር ውስጥ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="107"/>
        <source>on %1</source>
        <translation>%1 ላይ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="108"/>
        <source>on a country not yet named</source>
        <translation>ገና ባልተሰየመ አገር ላይ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="113"/>
        <source>No more countries that way</source>
        <translation>በዚያ አቅጣጫ ሌላ አገር የለም</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="119"/>
        <source>No name begins with %1</source>
        <translation>በ«%1» ፊደል የሚጀምር ስም የለም</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="121"/>
        <source>Top of the list</source>
        <translation>የዝርዝሩ መጀመሪያ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="123"/>
        <source>End of the list</source>
        <translation>የዝርዝሩ መጨረሻ</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="137"/>
        <source>Drop point for %1: %2. %3</source>
        <translation>የ%1 ማስቀመጫ ነጥብ፦ %2። %3</translation>
    </message>
    <message>
        <source>Not there: %1.</source>
        <extracomment>A name the keys dropped where it does not belong; the focus, back on the name, says which. %1 is where it fell: "in the sea", "on Egypt".</extracomment>
        <translation>እዚያ አይደለም፦ %1።</translation>
    </message>
    <message>
        <source>No names to the left</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>በግራ በኩል ስም የለም</translation>
    </message>
    <message>
        <source>No names to the right</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>በቀኝ በኩል ስም የለም</translation>
    </message>
    <message>
        <source>%1 is carried: the arrow keys move it, Enter drops it, Escape puts it back.</source>
        <extracomment>A key that does nothing while a name is carried over the map. %1 is the name.</extracomment>
        <translation>%1 የሚለውን ስም ይዘዋል፦ የቀስት ቁልፎች ያንቀሳቅሱታል፣ Enter ያስቀምጠዋል፣ Escape ወደ ዝርዝሩ ይመልሰዋል።</translation>
    </message>
    <message>
        <source>No name is carried: Enter picks up the focused name.</source>
        <extracomment>Escape in the list of names, where nothing is carried to put back.</extracomment>
        <translation>ምንም ስም አልያዙም፦ Enter የተመረጠውን ስም ያነሳል።</translation>
    </message>
    <message>
        <source>Across a border: %1</source>
        <extracomment>The drop point went from one country not yet named into another; %1 says the second as the ground under the drop point is said ("Country not yet named, next to Egypt").</extracomment>
        <translation>ድንበር ተሻግረዋል፦ %1</translation>
    </message>
</context>
</TS>
