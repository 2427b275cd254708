<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Board</name>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUÇÕES</translation>
    </message>
    <message>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>ARRASTA CADA NOME DE PAÍS PARA O SEU LUGAR NO MAPA</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>PAÍSES :</translation>
    </message>
    <message>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>PARABÉNS! O MAPA ESTÁ COMPLETO!</translation>
    </message>
</context>
</TS>
