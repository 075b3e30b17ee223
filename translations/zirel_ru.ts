<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>LikesVC</name>
    <message numerus="yes">
        <source>%n лайков</source>
        <translation>
            <numerusform>%n лайк</numerusform>
            <numerusform>%n лайка</numerusform>
            <numerusform>%n лайков</numerusform>
        </translation>
    </message>
</context>
</TS>
