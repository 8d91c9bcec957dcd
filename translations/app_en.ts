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
        <source>続きから</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>ネットワーク対戦を主催する…</source>
        <translation>Host a network game…</translation>
    </message>
    <message>
        <source>ネットワーク対戦に参加する…</source>
        <translation>Join a network game…</translation>
    </message>
</context>
<context>
    <name>morvane::TitleWindow</name>
    <message>
        <source>Game Start.</source>
        <translation>Game Start.</translation>
    </message>
    <message>
        <source>ゲームを開始します</source>
        <translation>Start a game</translation>
    </message>
    <message>
        <source>Option.</source>
        <translation>Option.</translation>
    </message>
    <message>
        <source>オプションです</source>
        <translation>The match options</translation>
    </message>
    <message>
        <source>Original Area Edit.</source>
        <translation>Original Area Edit.</translation>
    </message>
    <message>
        <source>オリジナル地形を作ります</source>
        <translation>Make terrain of your own</translation>
    </message>
    <message>
        <source>Rulu Check.</source>
        <translation>Rule Check.</translation>
    </message>
    <message>
        <source>簡易ルール説明です</source>
        <translation>The rules in brief</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>バージョン・著作権等の情報です</source>
        <translation>Version, copyright and such</translation>
    </message>
    <message>
        <source>Extra Game</source>
        <translation>Extra Game</translation>
    </message>
    <message>
        <source>「Morvane(Ver 2.0)」のリメイク版です</source>
        <translation>A remake of &quot;Morvane (Ver 2.0)&quot;</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Ｔｉｔｌｅ</source>
        <translation>Morvaneⅲ - Title</translation>
    </message>
    <message>
        <source>【%1】</source>
        <translation>[%1]</translation>
    </message>
    <message>
        <source>メニューから項目を選んで下さい</source>
        <translation>Choose an item from the menu</translation>
    </message>
    <message>
        <source>この機能は準備中です。</source>
        <translation>This feature is not ready yet.</translation>
    </message>
    <message>
        <source>続きから</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>ネット対戦を主催</source>
        <translation>Host a network game</translation>
    </message>
    <message>
        <source>ネット対戦に参加</source>
        <translation>Join a network game</translation>
    </message>
</context>
</TS>
