<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Board</name>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>التعليمات</translation>
    </message>
    <message>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>اسحب اسم كل دولة إلى مكانها الصحيح على الخريطة</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>الدول:</translation>
    </message>
    <message>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>تهانينا! اكتملت الخريطة!</translation>
    </message>
</context>
</TS>
