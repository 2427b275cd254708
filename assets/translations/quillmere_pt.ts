<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUÇÕES</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="62"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>ARRASTA CADA NOME DE PAÍS PARA O SEU LUGAR NO MAPA</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="65"/>
        <source>COUNTRIES :</source>
        <translation>PAÍSES:</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="69"/>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="70"/>
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
        <location filename="../../quiz/SpokenResults.cpp" line="33"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>Arrasta cada nome de país para o seu lugar no mapa. Com o teclado: carrega em Tab para ires à lista de países, escolhe um nome com as setas ou com a sua primeira letra e pega nele com Enter. Move o ponto de destino no mapa com as setas (com Shift para dares passos grandes) e larga o nome com Enter; Escape devolve-o à lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="39"/>
        <source>Ctrl with an arrow key takes the drop point to the next country that way.</source>
        <translation>Ctrl com uma seta leva o ponto de destino ao país seguinte nessa direção.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="65"/>
        <source>Pick up this name</source>
        <translation>Pegar neste nome</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point for %1</source>
        <translation>Ponto de destino do nome %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point</source>
        <translation>Ponto de destino</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="113"/>
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
        <location filename="../../quiz/SpokenResults.cpp" line="40"/>
        <source>F1 says these instructions again.</source>
        <translation>F1 repete estas instruções.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="45"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1: certo! %2 de %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="50"/>
        <source>Not there: %1. %2 is back in the list.</source>
        <translation>Não é aí: %1. %2: de volta à lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="55"/>
        <source>%1 put back.</source>
        <translation>%1: de volta à lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="60"/>
        <source>New game. %1 names in the list.</source>
        <translation>Novo jogo. %1 nomes na lista.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="66"/>
        <source>%1% across, %2% down</source>
        <translation>A %1% da esquerda, a %2% do topo</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="75"/>
        <source>%1% across</source>
        <translation>A %1% da esquerda</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="77"/>
        <source>%1% down</source>
        <translation>A %1% do topo</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="78"/>
        <source>Edge of the map</source>
        <translation>Borda do mapa</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="85"/>
        <source>Sea</source>
        <translation>Mar</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="93"/>
        <source>Country not yet named</source>
        <translation>País ainda sem nome</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="94"/>
        <source>Country not yet named, next to %1</source>
        <translation>País ainda sem nome. Ao lado: %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="99"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="106"/>
        <source>in the sea</source>
        <translation>no mar</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="107"/>
        <source>on %1</source>
        <translation>onde está escrito %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="108"/>
        <source>on a country not yet named</source>
        <translation>num país ainda sem nome</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="113"/>
        <source>No more countries that way</source>
        <translation>Não há mais países nessa direção</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="119"/>
        <source>No name begins with %1</source>
        <translation>Nenhum nome começa por %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="121"/>
        <source>Top of the list</source>
        <translation>Início da lista</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="123"/>
        <source>End of the list</source>
        <translation>Fim da lista</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="137"/>
        <source>Drop point for %1: %2. %3</source>
        <translation>Ponto de destino do nome %1. %2. %3</translation>
    </message>
    <message>
        <source>Not there: %1.</source>
        <extracomment>A name the keys dropped where it does not belong; the focus, back on the name, says which. %1 is where it fell: "in the sea", "on Egypt".</extracomment>
        <translation>Não é aí: %1.</translation>
    </message>
    <message>
        <source>No names to the left</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>Não há nomes à esquerda</translation>
    </message>
    <message>
        <source>No names to the right</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>Não há nomes à direita</translation>
    </message>
    <message>
        <source>%1 is carried: the arrow keys move it, Enter drops it, Escape puts it back.</source>
        <extracomment>A key that does nothing while a name is carried over the map. %1 is the name.</extracomment>
        <translation>Levas %1: as setas movem-no, Enter larga-o, Escape devolve-o à lista.</translation>
    </message>
    <message>
        <source>No name is carried: Enter picks up the focused name.</source>
        <extracomment>Escape in the list of names, where nothing is carried to put back.</extracomment>
        <translation>Não levas nenhum nome: Enter pega no nome escolhido.</translation>
    </message>
    <message>
        <source>Across a border: %1</source>
        <extracomment>The drop point went from one country not yet named into another; %1 says the second as the ground under the drop point is said ("Country not yet named, next to Egypt").</extracomment>
        <translation>Fronteira atravessada: %1</translation>
    </message>
</context>
</TS>
