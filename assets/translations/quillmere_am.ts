<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="am">
<context>
    <name>Board</name>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>መመሪያዎች</translation>
    </message>
    <message>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>የእያንዳንዱን አገር ስም በካርታው ላይ ወዳለው ትክክለኛ ቦታው ጎትት</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>አገሮች ፦</translation>
    </message>
    <message>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>እንኳን ደስ አለህ! ካርታው ተጠናቋል!</translation>
    </message>
</context>
</TS>
