<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::ExtrasMenu</name>
    <message>
        <source>成績とキー操作</source>
        <translation>Record and keys</translation>
    </message>
    <message>
        <source>成績…</source>
        <translation>Record…</translation>
    </message>
    <message>
        <source>キー操作…</source>
        <translation>Keys…</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation>Display scale</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>言語／Language</source>
        <translation>Language</translation>
    </message>
</context>
</TS>
