<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>Board</name>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>MAELEKEZO</translation>
    </message>
    <message>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>BURUTA KILA JINA LA NCHI HADI MAHALI PAKE KWENYE RAMANI</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>NCHI :</translation>
    </message>
    <message>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>HONGERA! RAMANI IMEKAMILIKA!</translation>
    </message>
</context>
</TS>
