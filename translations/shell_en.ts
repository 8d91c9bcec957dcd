<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::AboutWindow</name>
    <message>
        <source>



ただし、万が一そのような事態が発生
したとしても開発者には悪意が無い事を
御理解頂ければと思います。


以上の点を御了承の上で当ソフトを
お楽しみ下さい。
</source>
        <translation>



That said, should anything of the kind ever happen,
please understand that the developers
meant no harm by it.


With the points above in mind,
please enjoy this software.
</translation>
    </message>
    <message>
        <source>Morvaneⅲ-ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Morvaneⅲ - Version Info</translation>
    </message>
    <message>
        <source>作者・著作権者：Ｍｏｒｖａｎｅ開発チーム</source>
        <translation>Author and copyright: the Morvane team</translation>
    </message>
    <message>
        <source>開発期間：2000.1/18～2001.1/18</source>
        <translation>Developed: Jan 18, 2000 – Jan 18, 2001</translation>
    </message>
    <message>
        <source>御了承事項</source>
        <translation>Please note</translation>
    </message>
    <message>
        <source>システム情報</source>
        <translation>System Info</translation>
    </message>
    <message>
        <source>連絡先（アドレス）</source>
        <translation>Contact (Address)</translation>
    </message>
</context>
<context>
    <name>morvane::AccessibleNames</name>
    <message>
        <source>空き</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>○（勝ち）</source>
        <translation>○ (winning)</translation>
    </message>
    <message>
        <source>×（勝ち）</source>
        <translation>× (winning)</translation>
    </message>
    <message>
        <source>%1列目 %2行目：%3</source>
        <translation>Column %1, row %2: %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>morvane::ChoiceMenus</name>
    <message>
        <source>表示倍率</source>
        <translation>Display scale</translation>
    </message>
    <message>
        <source>言語／Language</source>
        <translation>Language／言語</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>この倍率ではウィンドウが画面に収まりません。</source>
        <translation>At this scale the windows do not fit on the screen.</translation>
    </message>
    <message>
        <source>ハイコントラスト</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>ライト</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>見た目</source>
        <translation>Look</translation>
    </message>
</context>
<context>
    <name>morvane::ContactWindow</name>
    <message>
        <source>Morvaneⅲ－（Adress）</source>
        <translation>Morvaneⅲ - (Address)</translation>
    </message>
    <message>
        <source>開発者へのメール連絡先</source>
        <translation>The developers&apos; e-mail address</translation>
    </message>
</context>
<context>
    <name>morvane::KeysWindow</name>
    <message>
        <source>タイトル画面</source>
        <translation>Title screen</translation>
    </message>
    <message>
        <source>↑ ↓</source>
        <translation>↑ ↓</translation>
    </message>
    <message>
        <source>項目を選ぶ</source>
        <translation>Choose an item</translation>
    </message>
    <message>
        <source>Enter / Space</source>
        <translation>Enter / Space</translation>
    </message>
    <message>
        <source>選んだ項目を開く</source>
        <translation>Open the chosen item</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>ルール説明</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Menu / Shift+F10</source>
        <translation>Menu / Shift+F10</translation>
    </message>
    <message>
        <source>メニュー（右クリックでも）</source>
        <translation>Menu (or a right click)</translation>
    </message>
    <message>
        <source>すべてのウィンドウ</source>
        <translation>Every window</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>ウィンドウを閉じる</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>← → ↑ ↓</source>
        <translation>← → ↑ ↓</translation>
    </message>
    <message>
        <source>ボタンを選ぶ</source>
        <translation>Choose a button</translation>
    </message>
    <message>
        <source>選んだボタンを押す</source>
        <translation>Press the chosen button</translation>
    </message>
    <message>
        <source>対戦画面</source>
        <translation>Battle screen</translation>
    </message>
    <message>
        <source>Keybordの□を動かす</source>
        <translation>Move Keyboard&apos;s □</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Keybordが□に置く</source>
        <translation>Keyboard puts a unit on □</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>一手戻す</source>
        <translation>Take back a move</translation>
    </message>
    <message>
        <source>地形エディタ</source>
        <translation>Area editor</translation>
    </message>
    <message>
        <source>カーソルを動かす</source>
        <translation>Move the cursor</translation>
    </message>
    <message>
        <source>カーソルのマスを塗る</source>
        <translation>Paint the square under the cursor</translation>
    </message>
    <message>
        <source>1 ～ 5</source>
        <translation>1 - 5</translation>
    </message>
    <message>
        <source>道具を選ぶ（消しゴム・◇・■・○・×）</source>
        <translation>Pick a tool (eraser, ◇, ■, ○, ×)</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>ファイルを消す（確認あり）</source>
        <translation>Clear the file (asks first)</translation>
    </message>
    <message>
        <source>おまけゲーム</source>
        <translation>Extra game</translation>
    </message>
    <message>
        <source>対人戦で□を動かす</source>
        <translation>Move □ in a two-player game</translation>
    </message>
    <message>
        <source>対人戦で□に置く</source>
        <translation>Put a unit on □ in a two-player game</translation>
    </message>
    <message>
        <source>F10 / Alt</source>
        <translation>F10 / Alt</translation>
    </message>
    <message>
        <source>メニューバーを使う</source>
        <translation>Use the menu bar</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Keys</source>
        <translation>Morvaneⅲ - Keys</translation>
    </message>
    <message>
        <source>Space / Enter</source>
        <translation>Space / Enter</translation>
    </message>
    <message>
        <source>1 ～ 8</source>
        <translation>1 – 8</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>全画面（対戦・おまけ）</source>
        <translation>Full screen (battle, extra game)</translation>
    </message>
    <message>
        <source>列の置ける所へ□（再押しで上へ）</source>
        <translation>□ to the column&apos;s free cell (again: up)</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>チャット欄へ（Escで盤面へ）</source>
        <translation>Type in the chat (Esc: back to the board)</translation>
    </message>
</context>
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
    <message>
        <source>！－Ｍｅｓｓａｇｅ－！</source>
        <translation>! - Message - !</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>morvane::OkButton</name>
    <message>
        <source>Ｏ．Ｋ．</source>
        <translation>O.K.</translation>
    </message>
</context>
<context>
    <name>morvane::RulesWindow</name>
    <message>
        <source>- 勝利条件 -</source>
        <translation>- How to win -</translation>
    </message>
    <message>
        <source>縦か横か斜めで一直線に４個以上、自己ユニットを並べる</source>
        <translation>Line up four or more of your own units in a straight line: across, down or diagonally.</translation>
    </message>
    <message>
        <source>- ユニットを置く際の規定 -</source>
        <translation>- Where a unit may go -</translation>
    </message>
    <message>
        <source>    画面最下部分、もしくは■,○,×,◇の一段上の空白域、   もしくは、◇の中。（重力があると考えると理解し易い）</source>
        <translation>On the bottom row, on an empty square just above a ■, ○, × or ◇, or inside a ◇. (Think of gravity and it makes sense.)</translation>
    </message>
    <message>
        <source>- 引き分け条件 -</source>
        <translation>- When it is a draw -</translation>
    </message>
    <message>
        <source>勝利条件が満たされず、かつ置ける場所が存在しない時</source>
        <translation>When nobody has won and there is nowhere left to put a unit.</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Ｒｕｌｕ Check</source>
        <translation>Morvaneⅲ - Rule Check</translation>
    </message>
</context>
<context>
    <name>morvane::StartSysInfo</name>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System info is not available right now.</translation>
    </message>
</context>
<context>
    <name>morvane::TellIfFileRefused</name>
    <message>
        <source>普通のファイルでない設定ファイルは
使えません。初期設定で続けます。
%1</source>
        <translation>A settings file that is no regular file
cannot be used: the game goes on with the defaults.
%1</translation>
    </message>
    <message>
        <source>大きすぎる設定ファイルは
使えません。初期設定で続けます。
%1</source>
        <translation>A settings file this large
cannot be used: the game goes on with the defaults.
%1</translation>
    </message>
</context>
<context>
    <name>morvane::TellIfNotStored</name>
    <message>
        <source>設定を保存できませんでした。
%1
書き込めるか確かめて下さい。</source>
        <translation>Could not save the settings in
%1
Please check that the file can be written.</translation>
    </message>
</context>
<context>
    <name>morvane::VersionText</name>
    <message>
        <source>Ｖｅｒｓｉｏｎ %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
</TS>
