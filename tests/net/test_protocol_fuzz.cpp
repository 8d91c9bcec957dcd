#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "net/protocol/session.h"

using namespace morvane;

namespace {

constexpr quint32 kSeed = 20261208;
constexpr int kCasesPerKind = 1500;
constexpr auto kGuestNonce = "ffeeddccbbaa99887766554433221100";

// The first cell that takes a unit, from the top left or from the bottom right.
int FirstPlaceable(const Board& board, bool fromBottom) {
    for (int i = 0; i < kCellCount; ++i) {
        const int cell = fromBottom ? kCellCount - 1 - i : i;
        if (CanPlace(board, cell)) {
            return cell;
        }
    }
    return -1;
}

// What the host does between the guest's frames, in the recording and in every replay alike:
// accepts undo requests, moves when it is its turn, and starts the next game once both asked.
void HostActs(Session& host) {
    if (host.undoPendingBy() == Peer::Guest) {
        host.AnswerUndo(true);
    }
    if (host.state() == Session::State::Playing && host.sides()[host.sideToMove()] == Peer::Host &&
        !host.undoPendingBy()) {
        host.Move(FirstPlaceable(host.board(), false));
    }
    if (host.state() == Session::State::GameOver) {
        host.RequestNextGame();
        host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 1);
    }
}

// A host past the handshake with a guest written out by hand, its first game started.
Session JoinedHost() {
    Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
    FrameReader reader;
    const QString hostNonce = reader.Feed(host.TakeOutput()).value(0).value("nonce").toString();
    const QByteArray hello = EncodeFrame({{"t", "hello"},
                                          {"proto", QJsonArray{kProtocolMajor, 0}},
                                          {"app", "4.92"},
                                          {"name", "Gus"},
                                          {"nonce", kGuestNonce}});
    host.Receive(
        hello + EncodeFrame({{"t", "auth"}, {"mac", AuthMac("K7P2QX", hostNonce, kGuestNonce)}}),
        0);
    host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 1);
    host.TakeOutput();
    return host;
}

// The guest's messages of a two-game match against HostActs: moves from the bottom right, an
// undo request, heartbeats, a second game and a resignation.
QList<QJsonObject> RecordGuestMessages() {
    Session host = JoinedHost();
    Session guest(Peer::Guest, "K7P2QX", "Gus", "4.92", 0);
    QList<QJsonObject> sent;
    const auto send = [&](const QJsonObject& message) {
        sent.append(message);
        host.Receive(EncodeFrame(message), 0);
        HostActs(host);
    };
    int guestMoves = 0;
    while (host.state() != Session::State::Closed && host.game() <= 2 && sent.size() < 200) {
        const int game = host.game();
        const int ply = host.movesMade();
        if (host.state() == Session::State::GameOver) {
            send({{"t", "next"}, {"game", game}});
        } else if (game == 2 && ply >= 4) {
            send({{"t", "resign"}, {"game", game}});
            break;
        } else if (++guestMoves == 3) {
            send({{"t", "undo"}, {"game", game}, {"ply", ply}});
        } else {
            send({{"t", "heartbeat"}});
            send({{"t", "move"},
                  {"game", game},
                  {"ply", ply + 1},
                  {"cell", FirstPlaceable(host.board(), true)}});
        }
    }
    return sent;
}

QByteArray Frame(const QJsonObject& message) {
    const QByteArray payload = QJsonDocument(message).toJson(QJsonDocument::Compact);
    QByteArray header(kFrameHeaderBytes, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(payload.size()), header.data());
    return header + payload;
}

QJsonValue OddValue(QRandomGenerator& random) {
    const QList<QJsonValue> values{-1,
                                   0,
                                   1,
                                   95,
                                   96,
                                   999,
                                   1000,
                                   2147483648.0,
                                   1e300,
                                   0.5,
                                   "3",
                                   "",
                                   QJsonValue::Null,
                                   true,
                                   QJsonArray{},
                                   QJsonObject{},
                                   QJsonArray{1, 0},
                                   QString(5000, u'x')};
    return values[random.bounded(values.size())];
}

// One field of one message given an odd value, or the type renamed.
QList<QJsonObject> MutateFields(QList<QJsonObject> messages, QRandomGenerator& random) {
    QJsonObject& message = messages[random.bounded(messages.size())];
    const QStringList keys = message.keys();
    const QString key =
        random.bounded(4) == 0 ? QStringLiteral("t") : keys[random.bounded(keys.size())];
    message.insert(key, OddValue(random));
    return messages;
}

// Bytes flipped, dropped, repeated or cut off.
QByteArray MutateBytes(QByteArray bytes, QRandomGenerator& random) {
    for (int edits = 1 + random.bounded(4); edits > 0 && !bytes.isEmpty(); --edits) {
        const qsizetype at = random.bounded(bytes.size());
        const qsizetype span = std::min<qsizetype>(1 + random.bounded(32), bytes.size() - at);
        switch (random.bounded(4)) {
            case 0:
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << random.bounded(8)));
                break;
            case 1:
                bytes.remove(at, span);
                break;
            case 2:
                bytes.insert(at, bytes.mid(at, span));
                break;
            default:
                bytes.truncate(at);
                break;
        }
    }
    return bytes;
}

// Frames of random lengths (mostly short, some beyond the limit) holding random bytes or
// random JSON-looking text.
QByteArray RandomFrames(QRandomGenerator& random) {
    QByteArray bytes;
    for (int frames = 1 + random.bounded(6); frames > 0; --frames) {
        const quint32 length = random.bounded(10) == 0 ? random.generate() : random.bounded(64u);
        QByteArray header(kFrameHeaderBytes, Qt::Uninitialized);
        qToBigEndian(length, header.data());
        QByteArray payload;
        const char* pieces[] = {"{", "}", "\"t\"", ":", ",", "\"move\"", "[", "]", "1", "\xC3"};
        for (quint32 i = 0; i < std::min<quint32>(length, 64); ++i) {
            payload += random.bounded(2) == 0
                           ? QByteArray(1, static_cast<char>(random.bounded(256)))
                           : QByteArray(pieces[random.bounded(10)]);
        }
        bytes += header + payload.first(std::min<qsizetype>(payload.size(), length));
    }
    return bytes;
}

struct Replay {
    QList<SessionEvent> events;
    Session::State state;
    int game;
    bool boardsKnown;  // every cell of every board seen held a code of the rules
};

bool HoldsKnownCodes(const Board& board) {
    return std::all_of(board.cells.begin(), board.cells.end(),
                       [](std::int16_t code) { return code >= Empty && code <= Block; });
}

// Feeds the pieces to a joined host in random chunks at random times, the host acting between
// chunks. A chunk never runs into the next piece: the guest sent each message after seeing what
// the host did before it.
Replay Feed(const QList<QByteArray>& pieces, QRandomGenerator& random) {
    Session host = JoinedHost();
    QList<SessionEvent> events = host.TakeEvents();
    qint64 now = 0;
    bool boardsKnown = true;
    for (const QByteArray& bytes : pieces) {
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype chunk = std::min<qsizetype>(1 + random.bounded(64), bytes.size() - at);
            host.Receive(QByteArrayView(bytes).sliced(at, chunk), now);
            at += chunk;
            HostActs(host);
            now += random.bounded(20);
            host.Tick(now);
            host.TakeOutput();
            events += host.TakeEvents();
            boardsKnown = boardsKnown && HoldsKnownCodes(host.board());
        }
    }
    return {events, host.state(), host.game(), boardsKnown};
}

QList<QByteArray> Frames(const QList<QJsonObject>& messages) {
    QList<QByteArray> frames;
    for (const QJsonObject& message : messages) {
        frames.append(Frame(message));
    }
    return frames;
}

}  // namespace

class ProtocolFuzzTest : public QObject {
    Q_OBJECT

private slots:
    // It should replay the recorded match itself without complaint, so that its mutations
    // reach every state.
    void recordedMatchReplaysCleanly() {
        QRandomGenerator random(kSeed);
        const Replay replay = Feed(Frames(RecordGuestMessages()), random);
        for (const SessionEvent& event : replay.events) {
            QVERIFY2(event.kind != SessionEvent::Kind::Invalid, qPrintable(event.text));
        }
        QVERIFY(
            std::any_of(replay.events.begin(), replay.events.end(), [](const SessionEvent& event) {
                return event.kind == SessionEvent::Kind::UndoApplied;
            }));
        QCOMPARE(replay.game, 2);
        QCOMPARE(replay.state, Session::State::GameOver);
    }

    // It should survive thousands of generated inputs: random frames, mutated fields and
    // mutated bytes of the recorded match; a session that calls something invalid is closed,
    // and its board never holds a code the rules do not know.
    void survivesGeneratedInputs() {
        QRandomGenerator random(kSeed);
        const QList<QJsonObject> recorded = RecordGuestMessages();
        int invalid = 0;
        for (int i = 0; i < 3 * kCasesPerKind; ++i) {
            QList<QByteArray> pieces;
            switch (i % 3) {
                case 0:
                    pieces = {RandomFrames(random)};
                    break;
                case 1:
                    pieces = Frames(MutateFields(recorded, random));
                    break;
                default:
                    pieces = Frames(recorded);
                    for (int edited = 1 + random.bounded(3); edited > 0; --edited) {
                        QByteArray& piece = pieces[random.bounded(pieces.size())];
                        piece = MutateBytes(piece, random);
                    }
            }
            const Replay replay = Feed(pieces, random);
            const bool sawInvalid = std::any_of(
                replay.events.begin(), replay.events.end(), [](const SessionEvent& event) {
                    return event.kind == SessionEvent::Kind::Invalid;
                });
            invalid += sawInvalid ? 1 : 0;
            QVERIFY(replay.boardsKnown);
            if (sawInvalid) {
                QCOMPARE(replay.state, Session::State::Closed);
            }
        }
        // Most generated inputs are refused; not all, or the mutations never reach a check.
        QVERIFY(invalid > kCasesPerKind);
        QVERIFY(invalid < 3 * kCasesPerKind);
    }
};

QTEST_GUILESS_MAIN(ProtocolFuzzTest)
#include "test_protocol_fuzz.moc"
