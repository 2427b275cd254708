<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Board</name>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="60"/>
        <source>INSTRUCTIONS</source>
        <translation>التعليمات</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="62"/>
        <source>DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>اسحب اسم كل بلد إلى مكانه الصحيح على الخريطة</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="65"/>
        <source>COUNTRIES :</source>
        <translation>البلدان:</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="69"/>
        <source>Restart</source>
        <translation>إعادة البدء</translation>
    </message>
    <message>
        <location filename="../../quiz/BoardLayout.h" line="70"/>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="31"/>
        <source>CONGRATULATIONS! THE MAP IS COMPLETE!</source>
        <translation>تهانينا! اكتملت الخريطة!</translation>
    </message>
    <message>
        <location filename="../../quiz/DropRules.cpp" line="33"/>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="33"/>
        <source>Drag each country name to its proper place on the map. With the keyboard: Tab to the list of countries, choose a name with the arrow keys or its first letter, and pick it up with Enter. Move the drop point over the map with the arrow keys, Shift for big steps, and drop the name with Enter; Escape puts it back.</source>
        <translation>اسحب اسم كل بلد إلى مكانه الصحيح على الخريطة. باستخدام لوحة المفاتيح: اضغط Tab للوصول إلى قائمة البلدان، واختر اسمًا بمفاتيح الأسهم أو بحرفه الأول، والتقطه بمفتاح Enter. حرّك نقطة الإسقاط على الخريطة بمفاتيح الأسهم، مع Shift لخطوات كبيرة، وأسقط الاسم بمفتاح Enter؛ ويعيده Escape إلى القائمة.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="39"/>
        <source>Ctrl with an arrow key takes the drop point to the next country that way.</source>
        <translation>يَنقل Ctrl مع مفتاح سهم نقطةَ الإسقاط إلى البلد التالي في ذلك الاتجاه.</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="65"/>
        <source>Pick up this name</source>
        <translation>التقط هذا الاسم</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point for %1</source>
        <translation>نقطة إسقاط %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="132"/>
        <source>Drop point</source>
        <translation>نقطة الإسقاط</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.cpp" line="113"/>
        <source>Drop the name here</source>
        <translation>أسقط الاسم هنا</translation>
    </message>
    <message>
        <location filename="../../app/accessible/AccessibleBoard.h" line="78"/>
        <source>Map of Africa</source>
        <translation>خريطة أفريقيا</translation>
    </message>
    <message>
        <location filename="../../app/window/NameList.cpp" line="17"/>
        <source>Countries</source>
        <translation>البلدان</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="40"/>
        <source>F1 says these instructions again.</source>
        <translation>يُعيد F1 قراءة هذه التعليمات.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="45"/>
        <source>%1 placed. %2 of %3.</source>
        <translation>%1: إجابة صحيحة! %2 من %3.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="50"/>
        <source>Not there: %1. %2 is back in the list.</source>
        <translation>ليس هنا: %1. تمت إعادة %2 إلى القائمة.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="55"/>
        <source>%1 put back.</source>
        <translation>تمت إعادة %1 إلى القائمة.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="60"/>
        <source>New game. %1 names in the list.</source>
        <translation>لعبة جديدة. %1 اسمًا في القائمة.</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="66"/>
        <source>%1% across, %2% down</source>
        <translation>على بُعد %1 بالمِئة من اليسار و%2 بالمِئة من الأعلى</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="75"/>
        <source>%1% across</source>
        <translation>على بُعد %1 بالمِئة من اليسار</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="77"/>
        <source>%1% down</source>
        <translation>على بُعد %1 بالمِئة من الأعلى</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="78"/>
        <source>Edge of the map</source>
        <translation>حافة الخريطة</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="85"/>
        <source>Sea</source>
        <translation>البحر</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="93"/>
        <source>Country not yet named</source>
        <translation>بلد لم يُسمَّ بعد</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="94"/>
        <source>Country not yet named, next to %1</source>
        <translation>بلد لم يُسمَّ بعد، بجوار %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="99"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="106"/>
        <source>in the sea</source>
        <translation>في البحر</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="107"/>
        <source>on %1</source>
        <translation>على %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="108"/>
        <source>on a country not yet named</source>
        <translation>على بلد لم يُسمَّ بعد</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="113"/>
        <source>No more countries that way</source>
        <translation>لا توجد بلدان أخرى في هذا الاتجاه</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="119"/>
        <source>No name begins with %1</source>
        <translation>لا يبدأ أي اسم بالحرف %1</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="121"/>
        <source>Top of the list</source>
        <translation>بداية القائمة</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="123"/>
        <source>End of the list</source>
        <translation>نهاية القائمة</translation>
    </message>
    <message>
        <location filename="../../quiz/SpokenResults.cpp" line="137"/>
        <source>Drop point for %1: %2. %3</source>
        <translation>نقطة إسقاط %1: %2. %3</translation>
    </message>
    <message>
        <source>Not there: %1.</source>
        <extracomment>A name the keys dropped where it does not belong; the focus, back on the name, says which. %1 is where it fell: "in the sea", "on Egypt".</extracomment>
        <translation>ليس هنا: %1.</translation>
    </message>
    <message>
        <source>No names to the left</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>لا توجد أسماء على اليسار</translation>
    </message>
    <message>
        <source>No names to the right</source>
        <extracomment>Left or Right in the list of names, where no column lies on that side.</extracomment>
        <translation>لا توجد أسماء على اليمين</translation>
    </message>
    <message>
        <source>%1 is carried: the arrow keys move it, Enter drops it, Escape puts it back.</source>
        <extracomment>A key that does nothing while a name is carried over the map. %1 is the name.</extracomment>
        <translation>تحمل %1: تحرّكه مفاتيح الأسهم، ويُسقطه Enter، ويعيده Escape إلى القائمة.</translation>
    </message>
    <message>
        <source>No name is carried: Enter picks up the focused name.</source>
        <extracomment>Escape in the list of names, where nothing is carried to put back.</extracomment>
        <translation>لا تحمل أي اسم: يلتقط Enter الاسم المحدد.</translation>
    </message>
    <message>
        <source>Across a border: %1</source>
        <extracomment>The drop point went from one country not yet named into another; %1 says the second as the ground under the drop point is said ("Country not yet named, next to Egypt").</extracomment>
        <translation>عبرتَ حدودًا: %1</translation>
    </message>
</context>
</TS>
