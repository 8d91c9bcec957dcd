<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::AreaEditorWindow</name>
    <message>
        <source>Morvaneⅲ－Original Area Edit</source>
        <translation>Morvaneⅲ - Original Area Edit</translation>
    </message>
    <message>
        <source>File-%1の地形をクリアします。
よろしいですか？</source>
        <translation>Clear the terrain of File %1.
Are you sure?</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>地形ファイル</source>
        <translation>Terrain files</translation>
    </message>
    <message>
        <source>地形のマス目</source>
        <translation>Terrain board</translation>
    </message>
    <message>
        <source>矢印キーで動かし、Spaceで塗ります</source>
        <translation>Arrow keys move, Space paints</translation>
    </message>
    <message>
        <source>消しゴム</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>地形を保存できませんでした。
%1
保存しないと、編集は失われます。</source>
        <translation>Could not save the layouts in
%1
Closing without saving loses the edits.</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>再試行</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>地形の書き出し</source>
        <translation>Export the layouts</translation>
    </message>
    <message>
        <source>地形ファイル (*.ini)</source>
        <translation>Layout files (*.ini)</translation>
    </message>
    <message>
        <source>地形を書き出せませんでした。
%1</source>
        <translation>Could not export the layouts to
%1</translation>
    </message>
</context>
<context>
    <name>morvane::AreaSelectWindow</name>
    <message>
        <source>Morvaneⅲ－Area Select</source>
        <translation>Morvaneⅲ - Area Select</translation>
    </message>
    <message>
        <source>Ａｒｅａ</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Ｈｅｌｌ</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Ｈｅｖｅｎ</source>
        <translation>Heaven</translation>
    </message>
    <message>
        <source>Ｓｔｏｎｅ</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Ｉｎｓｅｃｔｅｒ</source>
        <translation>Insects</translation>
    </message>
    <message>
        <source>Ｍｉｎｅ</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Ｗｈｉｒｌｐｏｏｌ</source>
        <translation>Whirlpool</translation>
    </message>
    <message>
        <source>［Ｒａｎｄｏｍ］</source>
        <translation>[Random]</translation>
    </message>
    <message>
        <source>［Ｏｒｉｇｉｎａｌ］</source>
        <translation>[Original]</translation>
    </message>
    <message>
        <source>(Ｎｏｎｅ)</source>
        <translation>(None)</translation>
    </message>
    <message>
        <source>[Ｒａｎｄｏｍ]</source>
        <translation>[Random]</translation>
    </message>
    <message>
        <source>%1の数</source>
        <translation>%1 count</translation>
    </message>
    <message>
        <source>Ｅｄｉｔ！</source>
        <translation>Shuffle!</translation>
    </message>
    <message>
        <source>[Ｏｒｉｇｉｎａｌ]</source>
        <translation>[Original]</translation>
    </message>
    <message>
        <source>地形選択に際して</source>
        <translation>About terrain</translation>
    </message>
    <message>
        <source>電脳は地形ありでの戦闘は想定して開発していません。
そのため、地形ありの場合は極端に電脳は弱くなります。
御了承下さい。</source>
        <translation>The computer wasn&apos;t built for terrain;
with terrain on, it plays far weaker.
Please bear with it.</translation>
    </message>
</context>
<context>
    <name>morvane::UpDown</name>
    <message>
        <source>%1を増やす</source>
        <translation>Increase %1</translation>
    </message>
    <message>
        <source>%1を減らす</source>
        <translation>Decrease %1</translation>
    </message>
</context>
<context>
    <name>morvane::UserFileCaption</name>
    <message>
        <source>Ｆｉｌｅ%1</source>
        <translation>File %1</translation>
    </message>
</context>
</TS>
