<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>INSTRUCTIONS</source>
        <translation>CONSIGNE</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="62"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>FAIS GLISSER CHAQUE NOM DE PAYS À SA PLACE SUR LA CARTE</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="65"/>
        <source>COUNTRIES :</source>
        <translation>PAYS&#xa0;:</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="69"/>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="70"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="31"/>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>BRAVO&#x202f;! LA CARTE EST COMPLÈTE&#x202f;!</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="33"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="33"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>Fais glisser chaque nom de pays à sa place sur la carte. Au clavier&#xa0;: appuie sur Tab pour aller à la liste des pays, choisis un nom avec les flèches ou avec sa première lettre, puis prends-le avec Entrée. Déplace le point de dépôt sur la carte avec les flèches (avec Maj pour faire de grands pas), puis dépose le nom avec Entrée&#x202f;; Échap le remet dans la liste.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="39"/>
        <source>Ctrl with an arrow key takes the drop point to the next country that way.</source>
        <translation>Ctrl avec une flèche déplace le point de dépôt jusqu’au pays suivant dans cette direction.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="65"/>
        <source>Pick up this name</source>
        <translation>Prendre ce nom</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point for %1</source>
        <translation>Point de dépôt du nom %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point</source>
        <translation>Point de dépôt</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="113"/>
        <source>Drop the name here</source>
        <translation>Déposer le nom ici</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.h" line="78"/>
        <source>Map of Africa</source>
        <translation>Carte de l’Afrique</translation>
    </message>
    <message>
        <location filename="../../app/window/NameList.cpp" line="17"/>
        <source>Countries</source>
        <translation>Pays</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="40"/>
        <source>F1 says these instructions again.</source>
        <translation>F1 répète ces consignes.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="45"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1&#xa0;: bonne réponse&#x202f;! %2 sur %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="50"/>
        <source>Not there: %1. %2 is back in the list.</source>
        <translation>Pas ici&#xa0;: %1. %2&#xa0;: retour dans la liste.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="55"/>
        <source>%1 put back.</source>
        <translation>%1&#xa0;: retour dans la liste.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="60"/>
        <source>New game. %1 names in the list.</source>
        <translation>Nouvelle partie. %1 noms dans la liste.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="66"/>
        <source>%1% across, %2% down</source>
        <translation>À %1&#x202f;% de la gauche, à %2&#x202f;% du haut</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="75"/>
        <source>%1% across</source>
        <translation>À %1&#x202f;% de la gauche</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="77"/>
        <source>%1% down</source>
        <translation>À %1&#x202f;% du haut</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="78"/>
        <source>Edge of the map</source>
        <translation>Bord de la carte</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="85"/>
        <source>Sea</source>
        <translation>Mer</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="93"/>
        <source>Country not yet named</source>
        <translation>Pays pas encore nommé</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="94"/>
        <source>Country not yet named, next to %1</source>
        <translation>Pays pas encore nommé. À côté&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="99"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="106"/>
        <source>in the sea</source>
        <translation>dans la mer</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="107"/>
        <source>on %1</source>
        <translation>là où est écrit %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="108"/>
        <source>on a country not yet named</source>
        <translation>sur un pays pas encore nommé</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="113"/>
        <source>No more countries that way</source>
        <translation>Plus aucun pays dans cette direction</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="119"/>
        <source>No name begins with %1</source>
        <translation>Aucun nom ne commence par %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="121"/>
        <source>Top of the list</source>
        <translation>Début de la liste</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="123"/>
        <source>End of the list</source>
        <translation>Fin de la liste</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="137"/>
        <source>Drop point for %1: %2. %3</source>
        <translation>Point de dépôt du nom %1. %2. %3</translation>
    </message>
    <message>
        <source>Not there: %1.</source>
        <extracomment>A name the keys dropped where it does not belong; the focus, back on the name, says which. %1 is where it fell: "in the sea", "on Egypt".</extracomment>
        <translation>Pas ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No names to the left</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>Aucun nom à gauche</translation>
    </message>
    <message>
        <source>No names to the right</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>Aucun nom à droite</translation>
    </message>
    <message>
        <source>%1 is carried: the arrow keys move it, Enter drops it, Escape puts it back.</source>
        <extracomment>A key that does nothing while a name is carried over the map. %1 is the name.</extracomment>
        <translation>Tu portes %1&#xa0;: les flèches le déplacent, Entrée le dépose, Échap le remet dans la liste.</translation>
    </message>
    <message>
        <source>No name is carried: Enter picks up the focused name.</source>
        <extracomment>Escape in the list of names, where nothing is carried to put back.</extracomment>
        <translation>Tu ne portes aucun nom&#xa0;: Entrée prend le nom choisi.</translation>
    </message>
    <message>
        <source>Across a border: %1</source>
        <extracomment>The drop point went from one country not yet named into another; %1 says the second as the ground under the drop point is said ("Country not yet named, next to Egypt").</extracomment>
        <translation>Frontière franchie&#xa0;: %1</translation>
    </message>
</context>
</TS>
