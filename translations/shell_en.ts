<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::MessageDialog</name>
    <message>
        <source>Ｙｅｓ</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ｎｏ</source>
        <translation>No</translation>
    </message>
</context>
</TS>
