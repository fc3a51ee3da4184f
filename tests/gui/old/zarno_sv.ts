<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="fi">
<context>
    <name>Zarno</name>
    <message>
        <source>Arvontaa</source>
        <translation>Gammal dragning</translation>
    </message>
</context>
</TS>
