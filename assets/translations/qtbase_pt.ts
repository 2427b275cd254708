<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<!-- Qt's own texts that the board's buttons and names give a screen reader, where
     Qt's catalogue lacks the language or writes another Portuguese than Africa's. -->
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <extracomment>The name of the action that picks a list name up or presses a button (Restart, Exit), as a screen reader may say it: a verb.</extracomment>
        <translation>Premir</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <extracomment>The name of the action that gives a button (Restart, Exit) the keyboard's focus, as a screen reader may say it: a verb.</extracomment>
        <translation>Definir o foco</translation>
    </message>
</context>
</TS>
