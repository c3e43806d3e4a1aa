<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ui::frmReadings</name>
    <message numerus="yes">
        <source>%1 of %n readings</source>
        <translation>
            <numerusform>%1 of %n reading</numerusform>
            <numerusform>%1 of %n readings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n reading</numerusform>
            <numerusform>%n readings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the folder… %n readings so far</source>
        <translation>
            <numerusform>Reading the folder… %n reading so far</numerusform>
            <numerusform>Reading the folder… %n readings so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are not readings</source>
        <translation>
            <numerusform>%n file is not a reading</numerusform>
            <numerusform>%n files are not readings</numerusform>
        </translation>
    </message>
</context>
</TS>
