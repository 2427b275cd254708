<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="am">
<!-- Qt's own texts that the board's buttons and names give a screen reader, where
     Qt's catalogue lacks the language or writes another Portuguese than Africa's. -->
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <extracomment>The name of the action that picks a list name up or presses a button (Restart, Exit), as a screen reader may say it: a verb.</extracomment>
        <translation>ይጫኑ</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <extracomment>What the action Press of a button (Restart, Exit) does, as a screen reader may say it.</extracomment>
        <translation>ተግባሩን ያስጀምራል</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <extracomment>The name of the action that gives a button (Restart, Exit) the keyboard's focus, as a screen reader may say it: a verb.</extracomment>
        <translation>ትኩረቱን እዚህ ያድርጉ</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <extracomment>What the action SetFocus of a button does, as a screen reader may say it.</extracomment>
        <translation>ትኩረቱን እዚህ ያደርጋል</translation>
    </message>
</context>
</TS>
