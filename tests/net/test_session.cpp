#include <QJsonArray>
#include <QTest>

#include "net/protocol/cpace.h"
#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "tests/net/hand_guest.h"
#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HandGuest;
using morvane::testing::HasEvent;
using morvane::testing::SessionPair;

namespace {

using Kind = SessionEvent::Kind;

// The states a host is brought to before the guest's message arrives.
enum class Stage { Handshake, Setup, Playing, UndoAsked, GameOver };
constexpr int kStageCount = 5;

// What the host makes of the message.
enum class Verdict { Accepted, Closed, Invalid };

constexpr int kBottomLeft = CellIndex(1, kRows);
// An element of the group, as a share must be (the draft's test vector Yb).
constexpr auto kValidElement = "3ea7e0b19560d7c0b0f5734f63b955286dfa8232b5ebe63324e2d9e7433f7258";
// Stand-ins in the table for the host's count of moves made, and that count plus one.
constexpr auto kPlyNow = "moves made";
constexpr auto kNextPly = "moves made + 1";

// A heartbeat padded with spaces to the longest message.
QByteArray PaddedHeartbeat() {
    const QByteArray payload = R"({"t":"heartbeat"})";
    return payload + QByteArray(kMaxMessageBytes - payload.size(), ' ');
}

QString TerrainText() { return QString(kCellCount, u'0'); }

// A host and the guest written out by hand that took it to `stage`: the guest plays × and
// moves first; in the playing stages each side has placed one unit, and before the host asks
// to take its move back the guest has placed a second. In the handshake the guest has said
// hello.
struct Staged {
    Session host{Peer::Host, "K7P2QX", "Hana", "4.92", 0};
    HandGuest guest;

    explicit Staged(Stage stage) {
        if (stage == Stage::Handshake) {
            guest.Read(host.TakeOutput());
            host.Receive(guest.Hello(), 0);
        } else {
            guest.Join(host);
        }
        if (stage >= Stage::Playing) {
            host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 1);
            host.Receive(
                guest.Frame({{"t", "move"}, {"game", 1}, {"ply", 1}, {"cell", kBottomLeft}}), 0);
            host.Move(kBottomLeft + 1);
        }
        if (stage == Stage::UndoAsked) {
            host.Receive(
                guest.Frame({{"t", "move"}, {"game", 1}, {"ply", 3}, {"cell", kBottomLeft + 2}}),
                0);
            host.RequestUndo();
        }
        if (stage == Stage::GameOver) {
            host.Resign();
        }
        guest.Read(host.TakeOutput());
        host.TakeEvents();
    }
};

// Two sealed frames from a joined guest, and a way to spoil them on the way.
enum class Tampering { None, BitFlipped, Dropped, Swapped, Replayed, InTheClear, CutShort };

QByteArray Tampered(Tampering tampering, QByteArray first, const QByteArray& second) {
    switch (tampering) {
        case Tampering::None:
            return first + second;
        case Tampering::BitFlipped:
            first[kFrameHeaderBytes + 3] = static_cast<char>(first[kFrameHeaderBytes + 3] ^ 0x10);
            return first + second;
        case Tampering::Dropped:
            return second;
        case Tampering::Swapped:
            return second + first;
        case Tampering::Replayed:
            return first + first;
        case Tampering::InTheClear:
            return first + EncodeClearFrame({{"t", "heartbeat"}});
        case Tampering::CutShort:
            return first + EncodeFrame(second.sliced(kFrameHeaderBytes, kSealOverhead - 1));
    }
    Q_UNREACHABLE();
}

}  // namespace

Q_DECLARE_METATYPE(Stage)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(Tampering)

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
              {"proto", QJsonArray{kProtocolMajor, 0}},
              {"app", "4.92"},
              {"name", ""},
              {"nonce", QString(2 * kNonceBytes, u'f')}},
             {I, I, I, I, I}},
            {"share", {{"t", "share"}, {"y", kValidElement}}, {A, I, I, I, I}},
            {"confirm",
             {{"t", "confirm"},
              {"tag", QString(2 * cpace::kHashBytes, u'0')},
              {"stream", QString(2 * kStreamHeaderBytes, u'0')}},
             {I, I, I, I, I}},
            {"name", {{"t", "name"}, {"name", "Gus"}}, {I, I, I, I, I}},
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
            {"heartbeat", {{"t", "heartbeat"}}, {I, A, A, A, A}},
            {"bye", {{"t", "bye"}, {"reason", "quit"}}, {C, C, C, C, C}},
            {"chat", {{"t", "chat"}, {"text", "hi"}}, {I, A, A, A, A}},
            {"unknown type", {{"t", "emote"}, {"text", "hi"}}, {I, I, I, I, I}},
            {"heartbeat acknowledging what was sent",
             {{"t", "heartbeat"}, {"got", 0}},
             {I, A, A, A, A}},
            {"heartbeat acknowledging more than was sent",
             {{"t", "heartbeat"}, {"got", 100}},
             {I, I, I, I, I}},
            {"resume",
             {{"t", "resume"}, {"nonce", QString(2 * kNonceBytes, u'f')}},
             {I, I, I, I, I}},
            {"resume proof",
             {{"t", "resume_proof"},
              {"tag", QString(2 * cpace::kHashBytes, u'0')},
              {"stream", QString(2 * kStreamHeaderBytes, u'0')}},
             {I, I, I, I, I}},
            {"resumed", {{"t", "resumed"}, {"got", 0}}, {I, I, I, I, I}},
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

        Staged staged(stage);
        Session& host = staged.host;
        if (message.value("ply") == kPlyNow || message.value("ply") == kNextPly) {
            const int next = message.value("ply") == kNextPly ? 1 : 0;
            message.insert("ply", host.movesMade() + next);
        }
        host.Receive(staged.guest.Frame(message), 0);

        const QList<SessionEvent> events = host.TakeEvents();
        const bool invalid = HasEvent(events, Kind::Invalid);
        const QList<QJsonObject> sent = staged.guest.Read(host.TakeOutput());
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
        QTest::newRow("setup of game 1000") << with(setup, "game", 1000) << true;
        QTest::newRow("setup of game 2^53-1")
            << with(setup, "game", double(kMaxGameNumber)) << true;
        QTest::newRow("setup of game 2^53")
            << with(setup, "game", double(kMaxGameNumber) + 1) << false;
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
        const QJsonObject hello{{"t", "hello"},
                                {"proto", QJsonArray{kProtocolMajor, 0}},
                                {"app", "4.92"},
                                {"name", ""},
                                {"nonce", QString(2 * kNonceBytes, u'e')}};
        QTest::newRow("hello") << hello << true;
        QTest::newRow("proto in text") << with(hello, "proto", QJsonArray{"2", 0}) << false;
        QTest::newRow("nonce of 31 digits")
            << with(hello, "nonce", QString(2 * kNonceBytes - 1, u'e')) << false;
        QTest::newRow("hello without an app") << [&] {
            QJsonObject noApp = hello;
            noApp.remove("app");
            return noApp;
        }() << false;
        QTest::newRow("share") << QJsonObject{{"t", "share"}, {"y", kValidElement}} << true;
        QTest::newRow("share not hex")
            << QJsonObject{{"t", "share"}, {"y", QString(2 * cpace::kPointBytes, u'g')}} << false;
        const QJsonObject confirm{{"t", "confirm"},
                                  {"tag", QString(2 * cpace::kHashBytes, u'a')},
                                  {"stream", QString(2 * kStreamHeaderBytes, u'b')}};
        QTest::newRow("confirm") << confirm << true;
        QTest::newRow("tag of 127 digits")
            << with(confirm, "tag", QString(2 * cpace::kHashBytes - 1, u'a')) << false;
        QTest::newRow("confirm without a stream") << [&] {
            QJsonObject noStream = confirm;
            noStream.remove("stream");
            return noStream;
        }() << false;
        QTest::newRow("name of 257 characters")
            << QJsonObject{{"t", "name"}, {"name", QString(257, u'x')}} << false;
        QTest::newRow("bye without a reason") << QJsonObject{{"t", "bye"}} << false;
        QTest::newRow("heartbeat of 2.0") << QJsonObject{{"t", "heartbeat"}} << true;
        QTest::newRow("heartbeat acknowledging")
            << QJsonObject{{"t", "heartbeat"}, {"got", 12}} << true;
        QTest::newRow("heartbeat acknowledging in text")
            << QJsonObject{{"t", "heartbeat"}, {"got", "12"}} << false;
        QTest::newRow("resume") << QJsonObject{{"t", "resume"},
                                               {"nonce", QString(2 * kNonceBytes, u'c')}}
                                << true;
        QTest::newRow("resume with a nonce of 30 digits")
            << QJsonObject{{"t", "resume"}, {"nonce", QString(2 * kNonceBytes - 2, u'c')}} << false;
        QTest::newRow("resume proof") << with(confirm, "t", "resume_proof") << true;
        QTest::newRow("resume proof without a tag") << [&] {
            QJsonObject noTag = with(confirm, "t", "resume_proof");
            noTag.remove("tag");
            return noTag;
        }() << false;
        QTest::newRow("resumed") << QJsonObject{{"t", "resumed"}, {"got", 0}} << true;
        QTest::newRow("resumed without got") << QJsonObject{{"t", "resumed"}} << false;
        QTest::newRow("resumed of -1") << QJsonObject{{"t", "resumed"}, {"got", -1}} << false;
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

    // It should refuse floods and overlong waiting bytes, and stay open with a living guest.
    void guardsTheConnection_data() {
        QTest::addColumn<int>("heartbeats");  // sent by the guest within one millisecond
        QTest::addColumn<int>("fullFrames");  // heartbeats padded to the longest frame, at once
        QTest::addColumn<qint64>("waitMs");   // then the host ticks in steps of a second
        QTest::addColumn<bool>("invalid");
        QTest::newRow("a calm minute") << 0 << 0 << qint64{60'000} << false;
        QTest::newRow("twenty messages in a second")
            << kMaxMessagesPerSecond << 0 << qint64{0} << false;
        QTest::newRow("twenty-one messages in a second")
            << kMaxMessagesPerSecond + 1 << 0 << qint64{0} << true;
        QTest::newRow("three full frames at once") << 0 << 3 << qint64{0} << false;
        QTest::newRow("four full frames at once, more bytes than may wait")
            << 0 << 4 << qint64{0} << true;
    }
    void guardsTheConnection() {
        QFETCH(int, heartbeats);
        QFETCH(int, fullFrames);
        QFETCH(qint64, waitMs);
        QFETCH(bool, invalid);

        Staged staged(Stage::Setup);
        Session& host = staged.host;
        qint64 now = 1000;  // a new second for the rate
        QByteArray fullOnes;
        for (int i = 0; i < fullFrames; ++i) {
            fullOnes += staged.guest.FramePayload(PaddedHeartbeat());
        }
        host.Receive(fullOnes, now);
        for (int i = 0; i < heartbeats; ++i) {
            host.Receive(staged.guest.Frame({{"t", "heartbeat"}}), now);
        }
        for (qint64 waited = 0; waited < waitMs; waited += 1000) {
            now += 1000;
            if (now % kHeartbeatPeriodMs == 0) {
                host.Receive(staged.guest.Frame({{"t", "heartbeat"}}), now);
            }
            host.Tick(now);
        }
        const QList<SessionEvent> events = host.TakeEvents();
        QCOMPARE(HasEvent(events, Kind::Invalid), invalid);
        QCOMPARE(HasEvent(events, Kind::Left), false);
        QCOMPARE(host.state() == Session::State::Closed, invalid);
    }

    // It should give up a handshake unfinished 10 s after the start, telling the other side,
    // and a joined side silent for 15 s.
    void unfinishedHandshakeOrSilenceEndsTheSession_data() {
        QTest::addColumn<int>("guestSteps");  // hello, share, proof, name
        QTest::addColumn<qint64>("limitMs");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("bye");
        QTest::newRow("nothing said")
            << 0 << kHandshakeTimeoutMs << int(Kind::TimedOut) << "timeout";
        QTest::newRow("a hello alone")
            << 1 << kHandshakeTimeoutMs << int(Kind::TimedOut) << "timeout";
        QTest::newRow("the proof without the name")
            << 3 << kHandshakeTimeoutMs << int(Kind::TimedOut) << "timeout";
        QTest::newRow("silent after the handshake")
            << 4 << kSilenceLimitMs << int(Kind::Left) << "";
    }
    void unfinishedHandshakeOrSilenceEndsTheSession() {
        QFETCH(int, guestSteps);
        QFETCH(qint64, limitMs);
        QFETCH(int, event);
        QFETCH(QString, bye);

        Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
        HandGuest guest;
        guest.Read(host.TakeOutput());
        for (int step = 0; step < guestSteps; ++step) {
            switch (step) {
                case 0:
                    host.Receive(guest.Hello(), 0);
                    break;
                case 1:
                    host.Receive(guest.Share(), 0);
                    break;
                case 2:
                    host.Receive(guest.Confirm(), 0);
                    break;
                default:
                    host.Receive(guest.Frame({{"t", "name"}, {"name", "Gus"}}), 0);
            }
            guest.Read(host.TakeOutput());
        }
        host.Tick(limitMs - 1);
        QVERIFY(host.state() != Session::State::Closed);
        host.Tick(limitMs);
        QCOMPARE(host.state(), Session::State::Closed);
        QVERIFY(HasEvent(host.TakeEvents(), Kind(event)));
        const QList<QJsonObject> sent = guest.Read(host.TakeOutput());
        QCOMPARE(sent.isEmpty() ? QString() : sent.last().value("reason").toString(), bye);
    }

    // Quitting ends the match with a quit and closes with a bye, the last word on the link.
    void quitEndsWithABye() {
        Staged staged(Stage::Playing);
        Session& host = staged.host;
        host.Quit();
        const QList<QJsonObject> sent = staged.guest.Read(host.TakeOutput());
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0].value("t").toString(), QStringLiteral("quit"));
        QCOMPARE(sent[1].value("t").toString(), QStringLiteral("bye"));
        QCOMPARE(sent[1].value("reason").toString(), QStringLiteral("quit"));
        QCOMPARE(host.state(), Session::State::Closed);
    }

    // After the keys, a frame changed, dropped, reordered, replayed, sent in the clear or cut
    // short should end the match as invalid data, with a bye saying so.
    void refusesTamperedFrames_data() {
        QTest::addColumn<Tampering>("tampering");
        QTest::newRow("as sent") << Tampering::None;
        QTest::newRow("a bit flipped") << Tampering::BitFlipped;
        QTest::newRow("the first dropped") << Tampering::Dropped;
        QTest::newRow("the two swapped") << Tampering::Swapped;
        QTest::newRow("the first replayed") << Tampering::Replayed;
        QTest::newRow("one in the clear") << Tampering::InTheClear;
        QTest::newRow("one shorter than a seal") << Tampering::CutShort;
    }
    void refusesTamperedFrames() {
        QFETCH(Tampering, tampering);
        Staged staged(Stage::Playing);
        Session& host = staged.host;
        const QByteArray first = staged.guest.Frame({{"t", "heartbeat"}});
        const QByteArray second = staged.guest.Frame({{"t", "heartbeat"}});
        host.Receive(Tampered(tampering, first, second), 0);

        const bool refused = tampering != Tampering::None;
        QCOMPARE(HasEvent(host.TakeEvents(), Kind::Invalid), refused);
        QCOMPARE(host.state() == Session::State::Closed, refused);
        const QList<QJsonObject> sent = staged.guest.Read(host.TakeOutput());
        const QJsonObject bye{{"t", "bye"}, {"reason", "invalid"}};
        QCOMPARE(!sent.isEmpty() && sent.last() == bye, refused);
    }

    // A whole game recorded off the wire should show no message but the handshake's own three
    // each way, and neither player's name.
    void aRecordedGameShowsNothingOfTheMatch() {
        SessionPair pair;
        pair.Exchange();
        QVERIFY(pair.host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0));
        pair.Exchange();
        // ○ (host) fills column 1, × (guest) column 2; the host's fourth unit wins.
        for (int row = kRows; row > kRows - 4; --row) {
            QVERIFY(pair.host.Move(CellIndex(1, row)));
            pair.Exchange();
            if (row > kRows - 3) {
                QVERIFY(pair.guest.Move(CellIndex(2, row)));
                pair.Exchange();
            }
        }
        QCOMPARE(pair.guest.state(), Session::State::GameOver);
        pair.Wait(kHeartbeatPeriodMs);
        pair.guest.Quit();
        pair.Exchange();
        QVERIFY(HasEvent(pair.hostEvents, Kind::PeerQuit));

        QCOMPARE(pair.wire.count("\"t\":"), 6);
        QVERIFY(!pair.wire.contains("\"Hana\""));
        QVERIFY(!pair.wire.contains("\"Gus\""));
    }

    // The session should count games as far as the battle plays them: past 999, where the
    // battle's round counter starts again.
    void countsGamesPast999() {
        SessionPair pair;
        pair.Exchange();
        for (int game = 1; game <= 1001; ++game) {
            QVERIFY(pair.host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0));
            QVERIFY(pair.host.Resign());
            QVERIFY(pair.host.RequestNextGame());
            pair.Exchange();
            QVERIFY(pair.guest.RequestNextGame());
            pair.Wait(1000);
        }
        QCOMPARE(pair.guest.game(), qint64{1001});
        QCOMPARE(pair.guest.state(), Session::State::GameOver);
        QVERIFY(!HasEvent(pair.hostEvents + pair.guestEvents, Kind::Invalid));
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
        QCOMPARE(pair.guest.game(), qint64{2});
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
