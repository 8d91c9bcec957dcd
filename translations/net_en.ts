<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>morvane::HostWindow</name>
    <message>
        <source>Morvaneⅲ－ネットワーク対戦（ホスト）</source>
        <translation>Morvaneⅲ - Host a Network Game</translation>
    </message>
    <message>
        <source>（ネットワークにつながっていません）</source>
        <translation>(not connected to any network)</translation>
    </message>
    <message>
        <source>このパソコンのアドレス</source>
        <translation>This computer&apos;s addresses</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>参加コード</source>
        <translation>Join code</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>相手にアドレスのどれか一つとポート、参加コードを伝えてください。</source>
        <translation>Tell the other player one of the addresses, the port and the join code.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>「待ち受け開始」を押すと、相手の接続を待ちます。</source>
        <translation>Press Listen to wait for the other player to join.</translation>
    </message>
    <message>
        <source>違う参加コードで接続されました（%1／%2回）。</source>
        <translation>Someone tried a wrong join code (%1 of %2).</translation>
    </message>
    <message>
        <source>ポート%1を開けません（使用中か、このアドレスでは使えません）。</source>
        <translation>Port %1 cannot be opened (it is in use, or not available on this address).</translation>
    </message>
    <message>
        <source>ポート%1で相手の接続を待っています…</source>
        <translation>Waiting on port %1 for the other player to join…</translation>
    </message>
    <message>
        <source>待ち受けを止めました。</source>
        <translation>Stopped listening.</translation>
    </message>
    <message>
        <source>待ち受け停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>待ち受け開始</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>違う参加コードが%1回続いたので、参加コードを新しくしました。新しいコードを相手に伝えてください。</source>
        <translation>After %1 wrong join codes, there is a new join code. Tell the other player the new one.</translation>
    </message>
    <message>
        <source>ルーターのポートを開く（UPnP／NAT-PMP）</source>
        <translation>Open the port on my router (UPnP/NAT-PMP)</translation>
    </message>
    <message>
        <source>招待をコピー</source>
        <translation>Copy invitation</translation>
    </message>
    <message>
        <source>ルーターのポートを開きました（外からのアドレス %1:%2）。</source>
        <translation>The port is open on your router (public address %1:%2).</translation>
    </message>
    <message>
        <source>ルーターが応答しませんでした。説明書の「ポート転送」をご覧ください。</source>
        <translation>No router answered. See “Port forwarding” in the handbook.</translation>
    </message>
    <message>
        <source>ルーターのポートを開いています…</source>
        <translation>Opening the port on your router…</translation>
    </message>
    <message>
        <source>招待をコピーしました：%1</source>
        <translation>Invitation copied: %1</translation>
    </message>
</context>
<context>
    <name>morvane::JoinWindow</name>
    <message>
        <source>接続</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Morvaneⅲ－ネットワーク対戦（参加）</source>
        <translation>Morvaneⅲ - Join a Network Game</translation>
    </message>
    <message>
        <source>ホストのアドレス</source>
        <translation>Host&apos;s address</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>参加コード</source>
        <translation>Join code</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ホストから応答がありません（時間切れ）。</source>
        <translation>No answer from the host: the connection timed out.</translation>
    </message>
    <message>
        <source>ホストに聞いたアドレス、ポート、参加コードを入れて「接続」を押してください。</source>
        <translation>Enter the address, port and join code the host gave you, and press Connect.</translation>
    </message>
    <message>
        <source>ホストのアドレスを入れてください。</source>
        <translation>Please enter the host&apos;s address.</translation>
    </message>
    <message>
        <source>%1 のポート%2に接続しています…</source>
        <translation>Connecting to %1, port %2…</translation>
    </message>
    <message>
        <source>接続しました。ホストが対局を始めるのを待っています…</source>
        <translation>Connected. Waiting for the host to start the game…</translation>
    </message>
    <message>
        <source>参加コードが違います。</source>
        <translation>The host refused the join code: it is not the right one.</translation>
    </message>
    <message>
        <source>ホストが接続を切りました。</source>
        <translation>The host closed the connection.</translation>
    </message>
    <message>
        <source>バージョンが合いません（こちらのプロトコルは%1、ホストは%2）。</source>
        <translation>The versions do not match: this game speaks protocol %1, the host&apos;s %2.</translation>
    </message>
    <message>
        <source>ホストから正しくないデータが届いたので、接続を切りました。</source>
        <translation>The host sent something invalid, so the connection was closed.</translation>
    </message>
    <message>
        <source>接続が切れました。</source>
        <translation>The connection was lost.</translation>
    </message>
    <message>
        <source>接続を断られました（そのポートで待ち受けていません）。</source>
        <translation>The connection was refused (nothing is listening on that port).</translation>
    </message>
    <message>
        <source>アドレス「%1」が見つかりません。</source>
        <translation>The address &quot;%1&quot; cannot be found.</translation>
    </message>
    <message>
        <source>参加コードは、0～9とA～Z（Uを除く）の６文字です。</source>
        <translation>A join code is six characters of 0 to 9 and A to Z (without U).</translation>
    </message>
    <message>
        <source>アドレス、または招待（morvane://…）</source>
        <translation>Address, or an invitation (morvane://…)</translation>
    </message>
    <message>
        <source>招待を読み込みました。「接続」を押してください。</source>
        <translation>Invitation read. Press “Connect”.</translation>
    </message>
</context>
<context>
    <name>morvane::NetForm</name>
    <message>
        <source>自動</source>
        <translation>Any</translation>
    </message>
</context>
</TS>
