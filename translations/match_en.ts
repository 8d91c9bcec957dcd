<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::Battle</name>
    <message>
        <source>Area Space：%1/%2</source>
        <translation>Area space: %1/%2</translation>
    </message>
    <message>
        <source>ヒント：%1列目</source>
        <translation>Hint: column %1</translation>
    </message>
    <message>
        <source>（勝ち確定）</source>
        <translation>(a sure win)</translation>
    </message>
    <message>
        <source>（負け確定）</source>
        <translation>(a sure loss)</translation>
    </message>
    <message>
        <source>（引き分け）</source>
        <translation>(a sure draw)</translation>
    </message>
    <message>
        <source>（ＮＯ－ＤＡＴＡ．）</source>
        <translation>(NO DATA.)</translation>
    </message>
    <message>
        <source>Ａｒｅａ&#x3000;Ｆｏｒｍａｔ&#x3000;Ｐｒｏｃｅｓｓ&#x3000;Ａｌｌ&#x3000;Ｃｏｍｐｌｅｔｅｄ．</source>
        <translation>Area formatting complete.</translation>
    </message>
    <message>
        <source>Ｒｏｕｎｄ&#x3000;%1．</source>
        <translation>Round %1.</translation>
    </message>
    <message>
        <source>Ｓｔａｒｔｉｎｇ&#x3000;Ｏｐｅｒａｔｉｏｎ！</source>
        <translation>Starting operation!</translation>
    </message>
    <message>
        <source>Ｒｏｕｎｄ
%1</source>
        <translation>Round
%1</translation>
    </message>
    <message>
        <source>Ｗｉｎ:%1</source>
        <translation>Wins:%1</translation>
    </message>
    <message>
        <source>Ｗａｉｔ．．．</source>
        <translation>Wait...</translation>
    </message>
    <message>
        <source>配置ポイント</source>
        <translation>Placed at:</translation>
    </message>
    <message>
        <source>：Ｘ・・・・・・・%1．</source>
        <translation>  X ........ %1</translation>
    </message>
    <message>
        <source>：Ｙ・・・・・・・%1．</source>
        <translation>  Y ........ %1</translation>
    </message>
    <message>
        <source>（Ｉｎｄｅｘ・・・%1）</source>
        <translation>  (Index ... %1)</translation>
    </message>
    <message>
        <source>Ｔｕｒｎ：%1</source>
        <translation>Turn: %1</translation>
    </message>
    <message>
        <source>Ｏｐｅｒａｔｉｏｎ：</source>
        <translation>Controls:</translation>
    </message>
    <message>
        <source>クリック・・・・・・配置</source>
        <translation>Click ...... Place</translation>
    </message>
    <message>
        <source>↑↓←→・・・・□の移動</source>
        <translation>↑↓←→ ... Move □</translation>
    </message>
    <message>
        <source>Ｓｐａｃｅ・・・配置</source>
        <translation>Space ...... Place</translation>
    </message>
    <message>
        <source>注意：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>かな入力モードＯｎ時はキー反応が起きません。かな入力モードはＯｆｆにしておいて下さい。</source>
        <translation>Keys do not respond while kana input mode is on. Please keep kana input mode off.</translation>
    </message>
    <message>
        <source>Ｅｒｒ！</source>
        <translation>Err!</translation>
    </message>
    <message>
        <source>指定された場所には配置できません。</source>
        <translation>A unit cannot be placed there.</translation>
    </message>
    <message>
        <source>配置可能な場所</source>
        <translation>Units can be placed:</translation>
    </message>
    <message>
        <source>：◇の中</source>
        <translation>- into ◇</translation>
    </message>
    <message>
        <source>：◇，○，×，■の上</source>
        <translation>- on ◇, ○, ×, ■</translation>
    </message>
    <message>
        <source>：最下面（底の部分）</source>
        <translation>- on the bottom row</translation>
    </message>
    <message numerus="yes">
        <source>%1手戻しました</source>
        <translation>
            <numerusform>%1 move taken back</numerusform>
            <numerusform>%1 moves taken back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1手進めました</source>
        <translation>
            <numerusform>%1 move replayed</numerusform>
            <numerusform>%1 moves replayed</numerusform>
        </translation>
    </message>
    <message>
        <source>Ｇａｍｅ&#x3000;Ｌｏａｄ&#x3000;Ｃｏｍｐｌｅｔｅｄ．</source>
        <translation>Game load completed.</translation>
    </message>
    <message>
        <source>対戦相手が投了しました。</source>
        <translation>The other side resigned.</translation>
    </message>
    <message>
        <source>待ったを申し込みました。</source>
        <translation>Asked the other side to take back.</translation>
    </message>
    <message>
        <source>待ったは断られました。</source>
        <translation>The other side declined the take-back.</translation>
    </message>
</context>
<context>
    <name>morvane::BattleLink</name>
    <message>
        <source>対戦相手が待ったを申し込んでいます。
受けますか？</source>
        <translation>The other side asks to take back its move.
Let it?</translation>
    </message>
    <message>
        <source>対戦相手から不正なデータが届きました。
ゲームを終了します。</source>
        <translation>The other side sent something invalid.
The game ends.</translation>
    </message>
    <message>
        <source>対戦相手と対局の状態が食い違ったので、
ゲームを終了します。</source>
        <translation>This side and the other side no longer agree on the game.
The game ends.</translation>
    </message>
</context>
<context>
    <name>morvane::BattleMenuBar</name>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>新しいゲーム(&amp;N)</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ルール(&amp;R)…</source>
        <translation>&amp;Rules…</translation>
    </message>
    <message>
        <source>キー操作(&amp;K)…</source>
        <translation>&amp;Keys…</translation>
    </message>
    <message>
        <source>成績(&amp;S)…</source>
        <translation>Re&amp;cord…</translation>
    </message>
    <message>
        <source>情報(&amp;I)…</source>
        <translation>&amp;Information…</translation>
    </message>
    <message>
        <source>効果音(&amp;S)</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>置ける場所を示す(&amp;P)</source>
        <translation>Show &amp;playable cells</translation>
    </message>
    <message>
        <source>動き(&amp;M)</source>
        <translation>&amp;Motion</translation>
    </message>
    <message>
        <source>保存(&amp;S)…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>開く(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>続きから(&amp;E)</source>
        <translation>R&amp;esume</translation>
    </message>
    <message>
        <source>この対局を振り返る(&amp;V)…</source>
        <translation>Re&amp;view this game…</translation>
    </message>
    <message>
        <source>保存したゲームを振り返る(&amp;F)…</source>
        <translation>Review a saved &amp;file…</translation>
    </message>
    <message>
        <source>ネットワーク対戦を主催する(&amp;T)…</source>
        <translation>Hos&amp;t a network game…</translation>
    </message>
    <message>
        <source>ネットワーク対戦に参加する(&amp;J)…</source>
        <translation>&amp;Join a network game…</translation>
    </message>
    <message>
        <source>この対局を保存(&amp;S)…</source>
        <translation>&amp;Save this game…</translation>
    </message>
    <message>
        <source>終わった対局を保存(&amp;A)…</source>
        <translation>S&amp;ave the finished game…</translation>
    </message>
    <message>
        <source>終わった対局を振り返る(&amp;L)…</source>
        <translation>Review the finished game (&amp;L)…</translation>
    </message>
    <message>
        <source>対戦者の変更(&amp;P)…</source>
        <translation>Change &amp;players…</translation>
    </message>
    <message>
        <source>全画面表示(&amp;F)</source>
        <translation>&amp;Full screen</translation>
    </message>
</context>
<context>
    <name>morvane::BattleView</name>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
</context>
<context>
    <name>morvane::BattleWindow</name>
    <message>
        <source>Morvaneⅲ－Battle</source>
        <translation>Morvaneⅲ - Battle</translation>
    </message>
    <message>
        <source>対戦中のゲームを中断して
新しいゲームを始めますか？</source>
        <translation>Leave the game under way
and start a new game?</translation>
    </message>
    <message>
        <source>対戦中のゲームを中断して
保存したゲームを開きますか？</source>
        <translation>Leave the game under way
and open the saved game?</translation>
    </message>
    <message>
        <source>対戦中のゲームを残せませんでした。
%1</source>
        <translation>Could not keep the game under way.
%1</translation>
    </message>
    <message>
        <source>対戦中のゲームを中断して
ネットワーク対戦を始めますか？</source>
        <translation>Leave the game under way
and start a network game?</translation>
    </message>
    <message>
        <source>対戦中のゲームを中断して
対戦者を変更しますか？</source>
        <translation>Leave the game under way
and change the players?</translation>
    </message>
    <message>
        <source>ネットワーク対戦を終了して
画面を閉じますか？</source>
        <translation>End the network game
and close the screen?</translation>
    </message>
</context>
<context>
    <name>morvane::ChatPanel</name>
    <message>
        <source>メッセージ（Enterで送信）</source>
        <translation>Message (Enter to send)</translation>
    </message>
    <message>
        <source>チャット</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>morvane::ConnectionNotice</name>
    <message>
        <source>接続が切れました。再接続しています…</source>
        <translation>The connection dropped. Reconnecting…</translation>
    </message>
    <message>
        <source>再接続しました。</source>
        <translation>Reconnected.</translation>
    </message>
</context>
<context>
    <name>morvane::EntryWindow</name>
    <message>
        <source>Ｍｏｕｓｅ</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Ｋｅｙｂｏｒｄ</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>[ＥＡＳＹ]</source>
        <translation>[Easy]</translation>
    </message>
    <message>
        <source>[ＮＯＲＭＡＬ]</source>
        <translation>[Normal]</translation>
    </message>
    <message>
        <source>[ＨＡＲＤ]</source>
        <translation>[Hard]</translation>
    </message>
    <message>
        <source>[ⅲ]</source>
        <translation>[ⅲ]</translation>
    </message>
    <message>
        <source>[ＭＡＳＴＥＲ]</source>
        <translation>[Master]</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Entry</source>
        <translation>Morvaneⅲ - Entry</translation>
    </message>
    <message>
        <source>%1のプレイヤー</source>
        <translation>%1 player</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>Ｎｅｔｗｏｒｋ</source>
        <translation>Network</translation>
    </message>
</context>
<context>
    <name>morvane::FirstPlayer</name>
    <message>
        <source>初戦はランダムにより先攻を決めるよう設定されています・・・</source>
        <translation>First game: who moves first is drawn at random...</translation>
    </message>
    <message>
        <source>初戦は○側の先攻に固定設定されています・・・</source>
        <translation>First game: ○ always moves first...</translation>
    </message>
    <message>
        <source>初戦は×側の先攻に固定設定されています・・・</source>
        <translation>First game: × always moves first...</translation>
    </message>
    <message>
        <source>二戦目以降はランダムにより先攻を決めるよう設定されています・・・</source>
        <translation>Later games: who moves first is drawn at random...</translation>
    </message>
    <message>
        <source>二戦目以降は前回の後攻側が先攻になる交代制が設定されています・・・</source>
        <translation>Later games: the sides take turns moving first...</translation>
    </message>
    <message>
        <source>初戦先攻側が常に先攻に固定設定されています・・・</source>
        <translation>Later games: whoever moved first in game 1 always moves first...</translation>
    </message>
    <message>
        <source>先攻は%1側です。</source>
        <translation>%1 moves first.</translation>
    </message>
</context>
<context>
    <name>morvane::GameFileDialogs</name>
    <message>
        <source>ゲームの保存</source>
        <translation>Save the game</translation>
    </message>
    <message>
        <source>ゲームを開く</source>
        <translation>Open a game</translation>
    </message>
    <message>
        <source>Morvaneⅲのゲーム (*.%1)</source>
        <translation>Morvaneⅲ games (*.%1)</translation>
    </message>
    <message>
        <source>ゲームを保存できませんでした。
%1</source>
        <translation>Could not save the game.
%1</translation>
    </message>
    <message>
        <source>ゲームを開けませんでした。
%1</source>
        <translation>Could not open the game.
%1</translation>
    </message>
</context>
<context>
    <name>morvane::GameResult</name>
    <message>
        <source>%1 Ｗｉｎ！！</source>
        <translation>%1 Wins!!</translation>
    </message>
    <message>
        <source>Ｄｒｏｗ．．．</source>
        <translation>Draw...</translation>
    </message>
    <message>
        <source>戦闘不能</source>
        <translation>No Battle</translation>
    </message>
</context>
<context>
    <name>morvane::KeptGame</name>
    <message>
        <source>残しておけるゲームは%1つまでです</source>
        <translation>At most %1 games can be kept</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れません</source>
        <translation>The folder &quot;%1&quot; cannot be made</translation>
    </message>
    <message>
        <source>ほかのMorvaneⅲがゲームを残しているところです</source>
        <translation>Another Morvaneⅲ is keeping a game at this moment</translation>
    </message>
</context>
<context>
    <name>morvane::OptionsWindow</name>
    <message>
        <source>Morvaneⅲ－Option</source>
        <translation>Morvaneⅲ - Options</translation>
    </message>
    <message>
        <source>初戦</source>
        <translation>First game</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>○側が先攻</source>
        <translation>○ first</translation>
    </message>
    <message>
        <source>Ｘ側が先攻</source>
        <translation>× first</translation>
    </message>
    <message>
        <source>二戦目以降</source>
        <translation>Later games</translation>
    </message>
    <message>
        <source>交代制</source>
        <translation>Take turns</translation>
    </message>
    <message>
        <source>常に初戦先攻側が先攻</source>
        <translation>As in the first game</translation>
    </message>
    <message>
        <source>地形選択</source>
        <translation>Terrain select</translation>
    </message>
    <message>
        <source>ＯＮ</source>
        <translation>On</translation>
    </message>
    <message>
        <source>ＯＦＦ</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>先攻後攻</source>
        <translation>Who moves first</translation>
    </message>
</context>
<context>
    <name>morvane::PeerLeftDialog</name>
    <message>
        <source>Morvaneⅲ－Network</source>
        <translation>Morvaneⅲ - Network</translation>
    </message>
    <message>
        <source>対戦相手が退出しました。</source>
        <translation>The other side left.</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>End the game</translation>
    </message>
    <message>
        <source>続きは電脳に任せますか？</source>
        <translation>Or let the computer play on for it?</translation>
    </message>
    <message>
        <source>電脳の強さ</source>
        <translation>Computer strength</translation>
    </message>
    <message>
        <source>電脳に任せる</source>
        <translation>Hand over to the computer</translation>
    </message>
</context>
<context>
    <name>morvane::PlayerEntry</name>
    <message>
        <source>Ｍｏｕｓｅ</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Ｋｅｙｂｏｒｄ</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Keybord</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>［Ｅａｓｙ］</source>
        <translation>[Easy]</translation>
    </message>
    <message>
        <source>[Easy]</source>
        <translation>[Easy]</translation>
    </message>
    <message>
        <source>［Ｎｏｒｍａｌ］</source>
        <translation>[Normal]</translation>
    </message>
    <message>
        <source>[Normal]</source>
        <translation>[Normal]</translation>
    </message>
    <message>
        <source>［Ｈａｒｄ］</source>
        <translation>[Hard]</translation>
    </message>
    <message>
        <source>[Hard]</source>
        <translation>[Hard]</translation>
    </message>
    <message>
        <source>ⅲ</source>
        <translation>[ⅲ]</translation>
    </message>
    <message>
        <source>［Ｍａｓｔｅｒ］</source>
        <translation>[Master]</translation>
    </message>
    <message>
        <source>[Master]</source>
        <translation>[Master]</translation>
    </message>
    <message>
        <source>Ｎｅｔｗｏｒｋ</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
</context>
<context>
    <name>morvane::RecordWindow</name>
    <message>
        <source>勝ち</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>人 対 %1</source>
        <translation>Human vs %1</translation>
    </message>
    <message>
        <source>人 対 人</source>
        <translation>Human vs Human</translation>
    </message>
    <message>
        <source>電脳 対 電脳</source>
        <translation>Computer vs Computer</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Record</source>
        <translation>Morvaneⅲ - Record</translation>
    </message>
    <message>
        <source>勝ち・負けは人の側から数えます。
人 対 人、電脳 対 電脳は○側から数えます。</source>
        <translation>Wins and losses count from the human&apos;s side.
Human vs Human and Computer vs Computer count from ○&apos;s side.</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>成績をすべて０に戻します。
よろしいですか？</source>
        <translation>Set the whole record back to 0.
Are you sure?</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Abandoned</translation>
    </message>
</context>
<context>
    <name>morvane::ResultDialog</name>
    <message>
        <source>Ｎｅｘｔ&#x3000;Ｂａｔｔｌｅ</source>
        <translation>Next battle</translation>
    </message>
    <message>
        <source>Ｒｅ&#x3000;Ｅｎｔｒｙ</source>
        <translation>Re-entry</translation>
    </message>
    <message>
        <source>Ｑｕｉｔ</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Result</source>
        <translation>Morvaneⅲ - Result</translation>
    </message>
</context>
<context>
    <name>morvane::ReviewWindow</name>
    <message>
        <source>勝ちを保った</source>
        <translation>kept the win</translation>
    </message>
    <message>
        <source>勝ちを逃した（引き分けへ）</source>
        <translation>threw the win away (to a draw)</translation>
    </message>
    <message>
        <source>勝ちを逃した（負けへ）</source>
        <translation>threw the win away (to a loss)</translation>
    </message>
    <message>
        <source>引き分けを逃した</source>
        <translation>threw the draw away</translation>
    </message>
    <message>
        <source>未証明</source>
        <translation>unproven</translation>
    </message>
    <message>
        <source>%1．%2 %3&#x3000;%4</source>
        <translation>%1. %2 %3  %4</translation>
    </message>
    <message>
        <source>&#x3000;★決め手</source>
        <translation>  ★ deciding move</translation>
    </message>
    <message>
        <source>勝ち：あと%1手</source>
        <translation>win in %1</translation>
    </message>
    <message>
        <source>負け：あと%1手</source>
        <translation>loss in %1</translation>
    </message>
    <message>
        <source>引き分け：あと%1手</source>
        <translation>draw in %1</translation>
    </message>
    <message>
        <source>Morvaneⅲ－Review</source>
        <translation>Morvaneⅲ - Review</translation>
    </message>
    <message>
        <source>手順</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>この局面で打てるマス</source>
        <translation>Cells the side to move can take</translation>
    </message>
    <message>
        <source>開始局面（全%1手）</source>
        <translation>Start (%1 moves)</translation>
    </message>
    <message>
        <source>%1手目（全%2手）</source>
        <translation>Move %1 of %2</translation>
    </message>
    <message>
        <source>解析完了</source>
        <translation>Analysis complete</translation>
    </message>
    <message>
        <source>解析中：%1／%2局面</source>
        <translation>Analysing: %1 of %2 positions</translation>
    </message>
    <message>
        <source>&#x3000;◀実戦</source>
        <translation>  ◀ played</translation>
    </message>
    <message>
        <source>%1列&#x3000;%2</source>
        <translation>Column %1: %2</translation>
    </message>
    <message>
        <source>引き分けを保った</source>
        <translation>kept the draw</translation>
    </message>
    <message>
        <source>負けのまま</source>
        <translation>still lost</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>最初の局面へ</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>一手戻る</source>
        <translation>One move back</translation>
    </message>
    <message>
        <source>一手進む</source>
        <translation>One move forward</translation>
    </message>
    <message>
        <source>最後の局面へ</source>
        <translation>To the end</translation>
    </message>
    <message>
        <source>最善手（推定）</source>
        <translation>best (estimate)</translation>
    </message>
    <message>
        <source>好手（推定）</source>
        <translation>good (estimate)</translation>
    </message>
    <message>
        <source>疑問手（推定）</source>
        <translation>inaccuracy (estimate)</translation>
    </message>
    <message>
        <source>悪手（推定）</source>
        <translation>mistake (estimate)</translation>
    </message>
    <message>
        <source>大悪手（推定）</source>
        <translation>blunder (estimate)</translation>
    </message>
    <message>
        <source>決定的な一手：第%1手（推定）</source>
        <translation>Decisive move: %1 (estimate)</translation>
    </message>
    <message>
        <source>決定的な一手：第%1手</source>
        <translation>Decisive move: %1</translation>
    </message>
    <message>
        <source>勝ち：%1手以内</source>
        <translation>win within %1</translation>
    </message>
    <message>
        <source>負け：%1手以内</source>
        <translation>loss within %1</translation>
    </message>
    <message>
        <source>推定＋%1</source>
        <translation>est. +%1</translation>
    </message>
    <message>
        <source>推定－%1</source>
        <translation>est. -%1</translation>
    </message>
    <message>
        <source>推定±%1</source>
        <translation>est. ±%1</translation>
    </message>
    <message>
        <source>｜＜</source>
        <translation>|&lt;</translation>
    </message>
    <message>
        <source>＜</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>＞</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>＞｜</source>
        <translation>&gt;|</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>morvane::SavedGame</name>
    <message>
        <source>「%1」を開けません：%2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>「%1」はゲームファイルにしては大きすぎます（%2バイトまで）</source>
        <translation>%1 is too large for a game file (at most %2 bytes)</translation>
    </message>
    <message>
        <source>「%1」の%2行目：%3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>「%1」：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>「%1」に保存できません：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>行が多すぎます</source>
        <translation>Too many lines</translation>
    </message>
    <message>
        <source>行が長すぎます</source>
        <translation>The line is too long</translation>
    </message>
    <message>
        <source>ゲームファイルに使えない文字があります</source>
        <translation>The line holds a character a game file cannot hold</translation>
    </message>
    <message>
        <source>このMorvaneでは読めない版のゲームファイルです</source>
        <translation>A game file of a version this Morvane cannot read</translation>
    </message>
    <message>
        <source>ゲームファイルではありません</source>
        <translation>Not a game file</translation>
    </message>
    <message>
        <source>「%1」は知らない項目です</source>
        <translation>Unknown item &quot;%1&quot;</translation>
    </message>
    <message>
        <source>「%1」は%2行目にもあります</source>
        <translation>&quot;%1&quot; is also on line %2</translation>
    </message>
    <message>
        <source>「%1」の値の数が違います</source>
        <translation>Wrong number of values after &quot;%1&quot;</translation>
    </message>
    <message>
        <source>「%1」は盤にないマスです</source>
        <translation>&quot;%1&quot; is not a cell of the board</translation>
    </message>
    <message>
        <source>先攻は circle か cross です</source>
        <translation>The first side must be circle or cross</translation>
    </message>
    <message>
        <source>結果は circle・cross・draw のどれかです</source>
        <translation>The result must be circle, cross or draw</translation>
    </message>
    <message>
        <source>地形は0・1・2・3・8の数字96桁です</source>
        <translation>The layout must be 96 digits, each 0, 1, 2, 3 or 8</translation>
    </message>
    <message>
        <source>地形に空きマスがありません</source>
        <translation>The layout leaves no free cell</translation>
    </message>
    <message>
        <source>プレイヤーの種類は mouse・keyboard・easy・normal・hard・expert・master のどれかです</source>
        <translation>The player kind must be mouse, keyboard, easy, normal, hard, expert or master</translation>
    </message>
    <message>
        <source>絵の番号は%1～%2です</source>
        <translation>The picture must be a number from %1 to %2</translation>
    </message>
    <message>
        <source>「%1」の数は%2～%3です</source>
        <translation>The numbers of &quot;%1&quot; run from %2 to %3</translation>
    </message>
    <message>
        <source>「%1」の行がありません</source>
        <translation>The &quot;%1&quot; line is missing</translation>
    </message>
    <message>
        <source>決着の後の手です</source>
        <translation>A move after the game has ended</translation>
    </message>
    <message>
        <source>%1には置けません</source>
        <translation>No unit can be placed on %1</translation>
    </message>
    <message>
        <source>最後の手で決着していますが、結果の行がありません</source>
        <translation>The last move ends the game, but the result line is missing</translation>
    </message>
    <message>
        <source>決着していないのに結果があります</source>
        <translation>A result for a game that has not ended</translation>
    </message>
    <message>
        <source>結果が盤面と合いません</source>
        <translation>The result does not agree with the board</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <source>「%1」は%2桁の16進数です</source>
        <translation>&quot;%1&quot; takes %2 hexadecimal digits</translation>
    </message>
</context>
</TS>
