<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCTIONS</translation>
    </message>
    <message>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>FAIS GLISSER CHAQUE NOM DE PAYS À SA PLACE SUR LA CARTE</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>PAYS :</translation>
    </message>
    <message>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>BRAVO ! LA CARTE EST COMPLÈTE !</translation>
    </message>
</context>
</TS>
