#include <QJsonArray>
#include <QTest>
#include <QtEndian>

#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HasEvent;
using morvane::testing::SessionPair;

namespace {

using Kind = SessionEvent::Kind;

// The states a host is brought to before the guest's message arrives.
enum class Stage { Handshake, Setup, Playing, UndoAsked, GameOver };
constexpr int kStageCount = 5;

// What the host makes of the message.
enum class Verdict { Accepted, Closed, Invalid };

constexpr auto kGuestNonce = "ffeeddccbbaa99887766554433221100";
constexpr int kBottomLeft = CellIndex(1, kRows);
// Stand-ins in the table for the host's count of moves made, and that count plus one.
constexpr auto kPlyNow = "moves made";
constexpr auto kNextPly = "moves made + 1";

// A heartbeat frame padded with spaces to the longest payload.
QByteArray PaddedHeartbeat() {
    const QByteArray payload = R"({"t":"heartbeat"})";
    QByteArray frame(kFrameHeaderBytes, Qt::Uninitialized);
    qToBigEndian(kMaxFramePayload, frame.data());
    return frame + payload + QByteArray(kMaxFramePayload - payload.size(), ' ');
}

QString TerrainText() { return QString(kCellCount, u'0'); }

// A host taken to `stage` by a guest written out by hand: the guest plays × and moves first;
// in the playing stages each side has placed one unit, and before the host asks to take its
// move back the guest has placed a second.
Session HostAt(Stage stage) {
    Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
    FrameReader reader;
    const QString hostNonce = reader.Feed(host.TakeOutput()).value(0).value("nonce").toString();
    host.Receive(EncodeFrame({{"t", "hello"},
                              {"proto", QJsonArray{kProtocolMajor, 0}},
                              {"app", "4.92"},
                              {"name", "Gus"},
                              {"nonce", kGuestNonce}}),
                 0);
    if (stage != Stage::Handshake) {
        host.Receive(
            EncodeFrame({{"t", "auth"}, {"mac", AuthMac("K7P2QX", hostNonce, kGuestNonce)}}), 0);
    }
    if (stage >= Stage::Playing) {
        host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 1);
        host.Receive(EncodeFrame({{"t", "move"}, {"game", 1}, {"ply", 1}, {"cell", kBottomLeft}}),
                     0);
        host.Move(kBottomLeft + 1);
    }
    if (stage == Stage::UndoAsked) {
        host.Receive(
            EncodeFrame({{"t", "move"}, {"game", 1}, {"ply", 3}, {"cell", kBottomLeft + 2}}), 0);
        host.RequestUndo();
    }
    if (stage == Stage::GameOver) {
        host.Resign();
    }
    host.TakeOutput();
    host.TakeEvents();
    return host;
}

}  // namespace

Q_DECLARE_METATYPE(Stage)
Q_DECLARE_METATYPE(Verdict)

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    // It should accept each message type only in the states it belongs to, with the game and
    // ply expected; anything else ends the game as invalid, with a bye saying so.
    void judgesEveryMessageInEveryState_data() {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QJsonObject>("message");
        QTest::addColumn<Verdict>("verdict");

        constexpr Verdict A = Verdict::Accepted, C = Verdict::Closed, I = Verdict::Invalid;
        struct Row {
            const char* name;
            QJsonObject message;
            std::array<Verdict, kStageCount> verdicts;  // Handshake, Setup, Playing, UndoAsked,
                                                        // GameOver
        };
        const QList<Row> rows{
            {"hello",
             {{"t", "hello"},
              {"proto", QJsonArray{1, 0}},
              {"app", "4.92"},
              {"name", "Gus"},
              {"nonce", kGuestNonce}},
             {I, I, I, I, I}},
            {"auth", {{"t", "auth"}, {"mac", QString(kMacHexDigits, u'0')}}, {C, I, I, I, I}},
            {"setup",
             {{"t", "setup"},
              {"game", 1},
              {"terrain", TerrainText()},
              {"sides", QJsonArray{"host", "guest"}},
              {"first", 0}},
             {I, I, I, I, I}},
            {"move",
             {{"t", "move"}, {"game", 1}, {"ply", 3}, {"cell", kBottomLeft + 2}},
             {I, I, A, I, I}},
            {"resign", {{"t", "resign"}, {"game", 1}}, {I, I, A, A, I}},
            {"undo", {{"t", "undo"}, {"game", 1}, {"ply", kPlyNow}}, {I, I, A, I, I}},
            {"undo answer",
             {{"t", "undo_answer"}, {"game", 1}, {"ply", kPlyNow}, {"accept", true}},
             {I, I, I, A, I}},
            {"next", {{"t", "next"}, {"game", 1}}, {I, I, I, I, A}},
            {"quit", {{"t", "quit"}}, {I, C, C, C, C}},
            {"heartbeat", {{"t", "heartbeat"}}, {A, A, A, A, A}},
            {"bye", {{"t", "bye"}, {"reason", "quit"}}, {C, C, C, C, C}},
            {"unknown type", {{"t", "chat"}, {"text", "hi"}}, {I, I, I, I, I}},
            {"move for another game",
             {{"t", "move"}, {"game", 2}, {"ply", 3}, {"cell", kBottomLeft + 2}},
             {I, I, I, I, I}},
            {"move out of turn's ply",
             {{"t", "move"}, {"game", 1}, {"ply", 2}, {"cell", kBottomLeft + 2}},
             {I, I, I, I, I}},
            {"move to a cell that takes no unit",
             {{"t", "move"}, {"game", 1}, {"ply", 3}, {"cell", CellIndex(8, 1)}},
             {I, I, I, I, I}},
            {"move with a text cell",
             {{"t", "move"}, {"game", 1}, {"ply", 3}, {"cell", "90"}},
             {I, I, I, I, I}},
            {"move with a fractional cell",
             {{"t", "move"}, {"game", 1}, {"ply", 3}, {"cell", 90.5}},
             {I, I, I, I, I}},
        };
        const std::array<const char*, kStageCount> stageNames{"handshake", "setup", "playing",
                                                              "undo asked", "game over"};
        for (const Row& row : rows) {
            for (int stage = 0; stage < kStageCount; ++stage) {
                QTest::addRow("%s in %s", row.name, stageNames[stage])
                    << Stage(stage) << row.message << row.verdicts[stage];
            }
        }
    }
    void judgesEveryMessageInEveryState() {
        QFETCH(Stage, stage);
        QFETCH(QJsonObject, message);
        QFETCH(Verdict, verdict);

        Session host = HostAt(stage);
        if (message.value("ply") == kPlyNow || message.value("ply") == kNextPly) {
            const int next = message.value("ply") == kNextPly ? 1 : 0;
            message.insert("ply", host.movesMade() + next);
        }
        host.Receive(EncodeFrame(message), 0);

        const QList<SessionEvent> events = host.TakeEvents();
        const bool invalid = HasEvent(events, Kind::Invalid);
        FrameReader reader;
        const QList<QJsonObject> sent = reader.Feed(host.TakeOutput());
        const bool saidInvalid =
            !sent.isEmpty() && sent.last() == QJsonObject{{"t", "bye"}, {"reason", "invalid"}};
        QCOMPARE(invalid, verdict == Verdict::Invalid);
        QCOMPARE(saidInvalid, verdict == Verdict::Invalid);
        QCOMPARE(host.state() == Session::State::Closed, verdict != Verdict::Accepted);
    }

    // It should take a message only with every field of its type present, of its JSON type and
    // in its range; fields it does not know are ignored.
    void checksEveryField_data() {
        QTest::addColumn<QJsonObject>("message");
        QTest::addColumn<bool>("valid");

        const QJsonObject setup{{"t", "setup"},
                                {"game", 1},
                                {"terrain", TerrainText()},
                                {"sides", QJsonArray{"guest", "host"}},
                                {"first", 1}};
        const auto with = [](QJsonObject message, const char* key, const QJsonValue& value) {
            message.insert(key, value);
            return message;
        };
        QTest::newRow("setup") << setup << true;
        QTest::newRow("setup with a field to come") << with(setup, "clock", 60) << true;
        QJsonObject noGame = setup;
        noGame.remove("game");
        QTest::newRow("setup without a game") << noGame << false;
        QTest::newRow("setup of game 0") << with(setup, "game", 0) << false;
        QTest::newRow("terrain with a unit")
            << with(setup, "terrain", "2" + TerrainText().mid(1)) << false;
        QTest::newRow("terrain of 95 cells")
            << with(setup, "terrain", TerrainText().mid(1)) << false;
        QTest::newRow("terrain with no free cell")
            << with(setup, "terrain", QString(kCellCount, u'8')) << false;
        QTest::newRow("one peer on both sides")
            << with(setup, "sides", QJsonArray{"host", "host"}) << false;
        QTest::newRow("first side 2") << with(setup, "first", 2) << false;
        QTest::newRow("cell 96")
            << QJsonObject{{"t", "move"}, {"game", 1}, {"ply", 1}, {"cell", 96}} << false;
        QTest::newRow("ply 0") << QJsonObject{{"t", "move"}, {"game", 1}, {"ply", 0}, {"cell", 5}}
                               << false;
        QTest::newRow("answer without accept")
            << QJsonObject{{"t", "undo_answer"}, {"game", 1}, {"ply", 2}} << false;
        QTest::newRow("proto in text") << QJsonObject{{"t", "hello"},
                                                      {"proto", QJsonArray{"1", 0}},
                                                      {"app", "4.92"},
                                                      {"name", "Gus"},
                                                      {"nonce", kGuestNonce}}
                                       << false;
        QTest::newRow("nonce of 31 digits") << QJsonObject{{"t", "hello"},
                                                           {"proto", QJsonArray{1, 0}},
                                                           {"app", "4.92"},
                                                           {"name", "Gus"},
                                                           {"nonce", QString(kGuestNonce).mid(1)}}
                                            << false;
        QTest::newRow("mac not hex")
            << QJsonObject{{"t", "auth"}, {"mac", QString(kMacHexDigits, u'g')}} << false;
        QTest::newRow("bye without a reason") << QJsonObject{{"t", "bye"}} << false;
    }
    void checksEveryField() {
        QFETCH(QJsonObject, message);
        QFETCH(bool, valid);
        QString error;
        const std::optional<Message> checked = CheckMessage(message, &error);
        QCOMPARE(checked.has_value(), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (valid) {
            QJsonObject known = message;
            known.remove("clock");
            QCOMPARE(ToJson(*checked), known);
        }
    }

    // It should refuse floods, overlong waiting bytes and silence, and keep a quiet but living
    // connection open by heartbeats.
    void guardsTheConnection_data() {
        QTest::addColumn<int>("heartbeats");  // sent by the guest within one millisecond
        QTest::addColumn<int>("fullFrames");  // heartbeats padded to the longest frame, at once
        QTest::addColumn<qint64>("waitMs");   // then the pair ticks in steps of a second
        QTest::addColumn<int>("hostEvent");   // -1: none of Invalid and Left
        QTest::newRow("a calm minute") << 0 << 0 << qint64{60'000} << -1;
        QTest::newRow("twenty messages in a second")
            << kMaxMessagesPerSecond << 0 << qint64{0} << -1;
        QTest::newRow("twenty-one messages in a second")
            << kMaxMessagesPerSecond + 1 << 0 << qint64{0} << int(Kind::Invalid);
        QTest::newRow("three full frames at once") << 0 << 3 << qint64{0} << -1;
        QTest::newRow("four full frames at once, more bytes than may wait")
            << 0 << 4 << qint64{0} << int(Kind::Invalid);
    }
    void guardsTheConnection() {
        QFETCH(int, heartbeats);
        QFETCH(int, fullFrames);
        QFETCH(qint64, waitMs);
        QFETCH(int, hostEvent);

        SessionPair pair;
        pair.Exchange();
        QCOMPARE(pair.host.state(), Session::State::Setup);
        pair.Wait(1000);  // a new second for the rate
        pair.host.Receive(PaddedHeartbeat().repeated(fullFrames), pair.now);
        for (int i = 0; i < heartbeats; ++i) {
            pair.host.Receive(EncodeFrame({{"t", "heartbeat"}}), pair.now);
        }
        for (qint64 waited = 0; waited < waitMs; waited += 1000) {
            pair.Wait(1000);
        }
        pair.Exchange();
        const bool closed = hostEvent >= 0;
        QCOMPARE(HasEvent(pair.hostEvents, Kind::Invalid), hostEvent == int(Kind::Invalid));
        QCOMPARE(pair.host.state() == Session::State::Closed, closed);
    }

    // It should report a side as gone when its hello does not come within 10 s, or when it
    // says nothing for 15 s after.
    void silenceMeansTheOtherSideLeft_data() {
        QTest::addColumn<bool>("guestSpeaks");
        QTest::addColumn<qint64>("limitMs");
        QTest::newRow("no hello") << false << kHelloTimeoutMs;
        QTest::newRow("silent after the handshake") << true << kSilenceLimitMs;
    }
    void silenceMeansTheOtherSideLeft() {
        QFETCH(bool, guestSpeaks);
        QFETCH(qint64, limitMs);

        SessionPair pair;
        if (guestSpeaks) {
            pair.Exchange();
        }
        pair.host.Tick(limitMs - 1);
        QVERIFY(pair.host.state() != Session::State::Closed);
        pair.host.Tick(limitMs);
        QCOMPARE(pair.host.state(), Session::State::Closed);
        QVERIFY(HasEvent(pair.host.TakeEvents(), Kind::Left));
    }

    // Quitting ends the match with a quit and closes with a bye, the last word on the link.
    void quitEndsWithABye() {
        Session host = HostAt(Stage::Playing);
        host.Quit();
        FrameReader reader;
        const QList<QJsonObject> sent = reader.Feed(host.TakeOutput());
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0].value("t").toString(), QStringLiteral("quit"));
        QCOMPARE(sent[1].value("t").toString(), QStringLiteral("bye"));
        QCOMPARE(sent[1].value("reason").toString(), QStringLiteral("quit"));
        QCOMPARE(host.state(), Session::State::Closed);
    }

    // It should play a whole match between two sessions: terrain, a declined and an accepted
    // undo, a win both sides see alike, the next game by both, and a resignation.
    void playsAWholeMatch() {
        SessionPair pair;
        pair.Exchange();
        Board terrain;
        terrain[CellIndex(1, kRows)] = Block;
        terrain[CellIndex(4, 6)] = Hollow;
        QVERIFY(pair.host.StartGame(terrain, {Peer::Host, Peer::Guest}, 0));
        pair.Exchange();
        QCOMPARE(pair.guest.state(), Session::State::Playing);
        QCOMPARE(pair.guest.board(), terrain);
        QVERIFY(!pair.guest.Move(CellIndex(2, kRows)));  // ○ is the host's

        // ○ (host) builds a column on x = 2; × (guest) answers on x = 3.
        const auto play = [&pair](Session& mover, int cell) {
            QVERIFY(mover.Move(cell));
            pair.Exchange();
        };
        play(pair.host, CellIndex(2, 12));
        QVERIFY(!pair.host.Move(CellIndex(2, 11)));  // not the host's turn
        QVERIFY(!pair.guest.Move(CellIndex(4, 1)));  // a cell that takes no unit
        QVERIFY(!pair.guest.RequestUndo());          // the guest has no move to take back
        play(pair.guest, CellIndex(3, 12));
        play(pair.host, CellIndex(2, 11));
        QVERIFY(!pair.host.RequestUndo());  // only on the asker's turn
        play(pair.guest, CellIndex(3, 11));

        // The host asks to take back its last move and the reply: declined, then accepted.
        QVERIFY(pair.host.RequestUndo());
        pair.Exchange();
        QCOMPARE(pair.guest.undoPendingBy(), Peer::Host);
        QVERIFY(!pair.host.Move(CellIndex(2, 10)));  // the request waits for its answer
        QVERIFY(pair.guest.AnswerUndo(false));
        pair.Exchange();
        QCOMPARE(pair.host.movesMade(), 4);
        QVERIFY(HasEvent(pair.hostEvents, Kind::UndoAnswered));
        QVERIFY(pair.host.RequestUndo());
        pair.Exchange();
        QVERIFY(pair.guest.AnswerUndo(true));
        pair.Exchange();
        QCOMPARE(pair.host.movesMade(), 2);
        QCOMPARE(pair.guest.board(), pair.host.board());
        QCOMPARE(pair.host.board()[CellIndex(2, 11)], Empty);
        QCOMPARE(pair.host.board()[CellIndex(3, 11)], Empty);

        play(pair.host, CellIndex(2, 11));
        play(pair.guest, CellIndex(3, 11));
        play(pair.host, CellIndex(2, 10));
        play(pair.guest, CellIndex(3, 10));
        play(pair.host, CellIndex(2, 9));
        QCOMPARE(pair.host.state(), Session::State::GameOver);
        QCOMPARE(pair.guest.state(), Session::State::GameOver);
        QCOMPARE(pair.guest.board(), pair.host.board());
        QCOMPARE(pair.guest.board()[CellIndex(2, 9)], CircleWin);
        QCOMPARE(pair.guestEvents.last().winnerSide, 0);

        // The host may not set up the next game until both asked for it.
        QVERIFY(!pair.host.StartGame(terrain, {Peer::Guest, Peer::Host}, 1));
        QVERIFY(pair.guest.RequestNextGame());
        QVERIFY(pair.host.RequestNextGame());
        pair.Exchange();
        QVERIFY(pair.host.StartGame(Board{}, {Peer::Guest, Peer::Host}, 0));
        pair.Exchange();
        QCOMPARE(pair.guest.game(), 2);
        QCOMPARE(pair.guest.board(), Board{});
        play(pair.guest, CellIndex(5, 12));
        QVERIFY(pair.host.Resign());
        pair.Exchange();
        QCOMPARE(pair.guest.state(), Session::State::GameOver);
        QCOMPARE(pair.guestEvents.last().winnerSide, 0);
        QVERIFY(pair.guestEvents.last().resigned);
        QVERIFY(!HasEvent(pair.hostEvents + pair.guestEvents, Kind::Invalid));
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "test_session.moc"
