<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::ExCellWidget</name>
    <message>
        <source>空き</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>青（Mouse）</source>
        <translation>blue (Mouse)</translation>
    </message>
    <message>
        <source>赤（相手）</source>
        <translation>red (opponent)</translation>
    </message>
    <message>
        <source>青（Mouse・勝ち）</source>
        <translation>blue (Mouse, winning line)</translation>
    </message>
    <message>
        <source>赤（相手・勝ち）</source>
        <translation>red (opponent, winning line)</translation>
    </message>
</context>
<context>
    <name>morvane::ExGameWindow</name>
    <message>
        <source>Morvane-リメイク版</source>
        <translation>Morvane - Remake</translation>
    </message>
    <message>
        <source>Start!!</source>
        <translation>Start!!</translation>
    </message>
    <message>
        <source>ランダム地形</source>
        <translation>Random terrain</translation>
    </message>
    <message>
        <source>左回転</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右回転</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>【システム】</source>
        <translation>[System]</translation>
    </message>
    <message>
        <source>【New Game!】</source>
        <translation>[New Game!]</translation>
    </message>
    <message>
        <source>【モード】</source>
        <translation>[Mode]</translation>
    </message>
    <message>
        <source>対人戦</source>
        <translation>vs Human</translation>
    </message>
    <message>
        <source>対電脳戦</source>
        <translation>vs Computer</translation>
    </message>
    <message>
        <source>【オプション】</source>
        <translation>[Options]</translation>
    </message>
    <message>
        <source>【ヘルプ】</source>
        <translation>[Help]</translation>
    </message>
    <message>
        <source>Drow</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Ｃａｎｃｅｌ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>【表示】</source>
        <translation>[View]</translation>
    </message>
</context>
<context>
    <name>morvane::ExHelpWindow</name>
    <message>
        <source>ソフト情報▼
&#x3000;ソフト名&#x3000;：Morvane（モーヴェイン）
&#x3000;バージョン：Ver 2.0
&#x3000;開発期間&#x3000;：約１ヶ月（放課後と週末）
&#x3000;ジャンル&#x3000;：思考型パズル（四目並べ系）

基本ルール▼
&#x3000;縦・横・斜めのいずれかに、自分のユニットを
&#x3000;４つ以上一直線に並べた方の勝ちです。
&#x3000;すべてのマスが埋まり、どちらも並べられなかった
&#x3000;時だけ引き分けになります。
&#x3000;ユニットは、いつも下向きに重力がかかっている
&#x3000;つもりで置いてください。置ける場所は
&#x3000;&#x3000;・一番下の段
&#x3000;&#x3000;・宙に浮いた石（■）や箱（◇）の上
&#x3000;&#x3000;・すでに置かれたユニットの上
&#x3000;です。また、箱（◇）の中には下に支えが無くても
&#x3000;ユニットを入れることができます。
&#x3000;石（■）の中には置けません。

操作方法▼
&#x3000;【Keybord側】
&#x3000;&#x3000;カーソルキーで枠を動かし、スペースキーで
&#x3000;&#x3000;ユニットを置きます。
&#x3000;&#x3000;※日本語入力モードがオンになっていると、
&#x3000;&#x3000;&#x3000;キーが反応しない事があります。
&#x3000;&#x3000;&#x3000;オフにしてから遊んでください。
&#x3000;【Mouse側】
&#x3000;&#x3000;置きたいマスをクリックするだけです。
&#x3000;&#x3000;このゲームは主にマウスで遊ぶように作って
&#x3000;&#x3000;あります。

開発者から一言▼
&#x3000;電脳は、自分・相手・自分・相手の４手先までの
&#x3000;並べ方をすべて調べて、勝てる並びには点を足し、
&#x3000;負ける並びには点を引き、一番点の高いマスに
&#x3000;置きます。
&#x3000;ただ、相手が一番いい手を打ってくるとは考えて
&#x3000;いないので、時々「えっ？」という手を打ちます。
&#x3000;それに４手より先の事は何も分からないので、
&#x3000;じっくり仕掛けた罠にはあっさり掛かります。
&#x3000;考えている間は他の操作ができませんが、そこは
&#x3000;仕様という事で勘弁してください。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;以上。
</source>
        <translation>About the game▼
  Name: Morvane
  Version: Ver 2.0
  Made in: about a month (after school and on weekends)
  Genre: thinking puzzle (four in a row)

Basic rules▼
  Line up four or more of your own units in a straight
  line, across, up and down or diagonally, and you win.
  Only when every cell is filled and neither side has
  made a line is the game a draw.
  Put your units down as if gravity always pulled
  them downward. A unit can go
    - on the bottom row,
    - on top of a floating stone (■) or box (◇),
    - on top of a unit already placed.
  A unit can also go into a box (◇), even with nothing
  below it to hold it up.
  Nothing can go into a stone (■).

Controls▼
  [Keyboard side]
    Move the frame with the arrow keys and put the
    unit down with the Space key.
    * With a Japanese input method switched on, the
      keys may not respond. Switch it off to play.
  [Mouse side]
    Just click the cell you want.
    This game was made to be played mainly with the
    mouse.

A word from the developer▼
  The computer tries every way of placing units four
  moves ahead (itself, you, itself, you), adds points
  for lines that win, takes points off for lines that
  lose, and plays the cell with the most points.
  But it never expects you to play your best move, so
  now and then it plays one that makes you go &quot;Huh?&quot;.
  And it knows nothing beyond four moves, so it walks
  straight into any trap laid with patience.
  You can do nothing else while it thinks; please let
  that pass as &quot;working as intended&quot;.
                                                                              That&apos;s all.
</translation>
    </message>
    <message>
        <source>Morvane-リメイク版</source>
        <translation>Morvane - Remake</translation>
    </message>
    <message>
        <source>Ver 2.0のヘルプ</source>
        <translation>Help of Ver 2.0</translation>
    </message>
    <message>
        <source>・・・このヘルプ内容で触れているアルゴリズムについての部分には青かったゆえの「多くの」誤りがあります。
間違っても「へぇ～」なんて納得しないで下さいね。</source>
        <translation>...What this help says about the algorithm holds &quot;many&quot; mistakes, made back when I was green.
Whatever you do, don&apos;t nod along going &quot;Oh, I see!&quot;</translation>
    </message>
    <message>
        <source>昔話終わり</source>
        <translation>End of story</translation>
    </message>
</context>
<context>
    <name>morvane::ExNotesWindow</name>
    <message>
        <source>Morvaneⅲ-おまけ</source>
        <translation>Morvaneⅲ - Extra</translation>
    </message>
    <message>
        <source>リメイク版での注意点</source>
        <translation>About the remake</translation>
    </message>
    <message>
        <source>この「リメイク版Morvane」は元の作品「Morvane(Ver 2.0)」をほぼ忠実に再現（プログラムをコピっただけ）しています。そのため電脳思考中はユーザ操作を受付なくなる等のヘボ動作も直してません。御了承下さい。</source>
        <translation>This &quot;Morvane remake&quot; copies the original &quot;Morvane (Ver 2.0)&quot; almost faithfully (the program was simply copied over). So its clumsy ways, such as ignoring you while the computer thinks, are not fixed either. Please bear with it.</translation>
    </message>
    <message>
        <source>Ｏ．Ｋ．</source>
        <translation>O.K.</translation>
    </message>
</context>
<context>
    <name>morvane::ExTerrainSettingsWindow</name>
    <message>
        <source>石</source>
        <translation>Stones</translation>
    </message>
    <message>
        <source>箱</source>
        <translation>Boxes</translation>
    </message>
    <message>
        <source>石の数</source>
        <translation>Number of stones</translation>
    </message>
    <message>
        <source>箱の数</source>
        <translation>Number of boxes</translation>
    </message>
    <message>
        <source>Morvane-リメイク版</source>
        <translation>Morvane - Remake</translation>
    </message>
    <message>
        <source>ランダム地形</source>
        <translation>Random terrain</translation>
    </message>
    <message>
        <source>※地形選択は対人戦のみ</source>
        <translation>* Terrain only in games vs Human</translation>
    </message>
    <message>
        <source>設定完了</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>morvane::ExTexts</name>
    <message>
        <source>&#x3000;&#x3000;・対人戦・</source>
        <translation>   - vs Human -</translation>
    </message>
    <message>
        <source>&#x3000; ・対電脳戦・</source>
        <translation> - vs Computer -</translation>
    </message>
    <message>
        <source>・対人戦・</source>
        <translation>- vs Human -</translation>
    </message>
    <message>
        <source>・対電脳戦・</source>
        <translation>- vs Computer -</translation>
    </message>
    <message>
        <source>＞＞＞Mouse.</source>
        <translation>&gt;&gt;&gt;Mouse.</translation>
    </message>
    <message>
        <source>＞＞＞Keybord.</source>
        <translation>&gt;&gt;&gt;Keyboard.</translation>
    </message>
    <message>
        <source>＞＞＞Program.</source>
        <translation>&gt;&gt;&gt;Computer.</translation>
    </message>
    <message>
        <source>[[[[ 第%1戦 ]]]]

</source>
        <translation>
[[[ Game %1 ]]]

</translation>
    </message>
    <message>
        <source>   Mouse:%1勝
Keybord:%2勝
  (DROW):%3回
</source>
        <translation>   Mouse:%1 wins
Keyboard:%2 wins
  (DRAW):%3
</translation>
    </message>
    <message>
        <source>
現在の戦況▼
[残]：%1/%2

現在ターン▼
</source>
        <translation>
Status▼
[Open]: %1/%2

Turn▼
</translation>
    </message>
    <message>
        <source>現在思考中・・・
残：%1%</source>
        <translation>Thinking...
Left: %1%</translation>
    </message>
    <message>
        <source>%1
先攻：Mouse</source>
        <translation>%1
First move: Mouse</translation>
    </message>
    <message>
        <source>%1
先攻：Keybord</source>
        <translation>%1
First move: Keyboard</translation>
    </message>
    <message>
        <source>%1
先攻：Program</source>
        <translation>%1
First move: Computer</translation>
    </message>
    <message>
        <source>%1
勝利：Mouse！</source>
        <translation>%1
Winner: Mouse!</translation>
    </message>
    <message>
        <source>%1
勝利：Keybord！</source>
        <translation>%1
Winner: Keyboard!</translation>
    </message>
    <message>
        <source>%1
勝利：Program！</source>
        <translation>%1
Winner: Computer!</translation>
    </message>
    <message>
        <source>引き分け！</source>
        <translation>It&apos;s a draw!</translation>
    </message>
    <message>
        <source>モードを変更すると自動的にニューゲームが行われます。
モードを変更してもよろしいですか？</source>
        <translation>Changing the mode starts a new game.
Change the mode?</translation>
    </message>
    <message>
        <source>ニューゲームしますか？</source>
        <translation>Start a new game?</translation>
    </message>
    <message>
        <source>このヘルプ内容は元の作品「Morvane(Ver 2.0)」の時のものです。リメイク版では多少異なった部分もありますが、御了承下さい。</source>
        <translation>This help was written for the original &quot;Morvane (Ver 2.0)&quot;. The remake differs here and there; please bear with it.</translation>
    </message>
    <message>
        <source>電脳思考中は実行できません。</source>
        <translation>Not while the computer is thinking.</translation>
    </message>
    <message>
        <source>電脳思考中は閉じる事ができません。</source>
        <translation>The window can&apos;t close while the computer is thinking.</translation>
    </message>
</context>
</TS>
