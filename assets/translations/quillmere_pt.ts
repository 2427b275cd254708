<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="58"/>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUÇÕES</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>ARRASTA CADA NOME DE PAÍS PARA O SEU LUGAR NO MAPA</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="63"/>
        <source>COUNTRIES :</source>
        <translation>PAÍSES:</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="67"/>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="68"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="31"/>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>PARABÉNS! O MAPA ESTÁ COMPLETO!</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="33"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="18"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>Arrasta cada nome de país para o seu lugar no mapa. Com o teclado: carrega em Tab para ires à lista de países, escolhe um nome com as setas ou com a sua primeira letra e pega nele com Enter. Move o ponto de destino no mapa com as setas (com Shift para dares passos grandes) e larga o nome com Enter; Escape devolve-o à lista.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="74"/>
        <source>Pick up this name</source>
        <translation>Pegar neste nome</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="41"/>
        <source>Drop point for %1</source>
        <translation>Ponto de destino de %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="42"/>
        <source>Drop point</source>
        <translation>Ponto de destino</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="124"/>
        <source>Drop the name here</source>
        <translation>Largar o nome aqui</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.h" line="78"/>
        <source>Map of Africa</source>
        <translation>Mapa de África</translation>
    </message>
    <message>
        <location filename="../../app/window/NameList.cpp" line="17"/>
        <source>Countries</source>
        <translation>Países</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="13"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1: certo! %2 de %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="18"/>
        <source>Not there. %1 is back in the list.</source>
        <translation>Não é aí. %1: de volta à lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="23"/>
        <source>%1 put back.</source>
        <translation>%1: de volta à lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="28"/>
        <source>New game. %1 names in the list.</source>
        <translation>Novo jogo. %1 nomes na lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="34"/>
        <source>%1% across, %2% down</source>
        <translation>a %1% da esquerda, a %2% do topo</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="47"/>
        <source>Drop point for %1: %2</source>
        <translation>Ponto de destino de %1: %2</translation>
    </message>
</context>
</TS>
