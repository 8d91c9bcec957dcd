#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "net/protocol/session.h"
#include "tests/net/hand_guest.h"
#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HandGuest;
using morvane::testing::SessionPair;

namespace {

constexpr quint32 kSeed = 20261208;
constexpr int kCasesPerKind = 1500;
// Random frames into a new host, the handshake's messages with a field changed, the recorded
// match's messages with a field changed, its sealed frames with bytes changed, and a resume's
// frames spoiled.
constexpr int kKinds = 5;

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
struct Joined {
    Session host{Peer::Host, "K7P2QX", "Hana", "4.92", 0};
    HandGuest guest;

    Joined() {
        guest.Join(host);
        host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 1);
        guest.Read(host.TakeOutput());
    }
};

// The guest's messages of a two-game match against HostActs: moves from the bottom right, an
// undo request, heartbeats, a second game and a resignation.
QList<QJsonObject> RecordGuestMessages() {
    Joined joined;
    Session& host = joined.host;
    QList<QJsonObject> sent;
    const auto send = [&](const QJsonObject& message) {
        sent.append(message);
        host.Receive(joined.guest.Frame(message), 0);
        HostActs(host);
    };
    int guestMoves = 0;
    while (host.state() != Session::State::Closed && host.game() <= 2 && sent.size() < 200) {
        const qint64 game = host.game();
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

// One field of a message given an odd value, or the type renamed.
void MutateField(QJsonObject& message, QRandomGenerator& random) {
    const QStringList keys = message.keys();
    const QString key =
        random.bounded(4) == 0 ? QStringLiteral("t") : keys[random.bounded(keys.size())];
    message.insert(key, OddValue(random));
}

QList<QJsonObject> MutateFields(QList<QJsonObject> messages, QRandomGenerator& random) {
    MutateField(messages[random.bounded(messages.size())], random);
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
    Session::State state = Session::State::Handshake;
    qint64 game = 0;
    bool boardsKnown = true;  // every cell of every board seen held a code of the rules
};

bool HoldsKnownCodes(const Board& board) {
    return std::all_of(board.cells.begin(), board.cells.end(),
                       [](std::int16_t code) { return code >= Empty && code <= Block; });
}

// Feeds the pieces to the host in random chunks at random times, the host acting between
// chunks. A chunk never runs into the next piece: the guest sent each message after seeing what
// the host did before it.
Replay Feed(Session& host, const QList<QByteArray>& pieces, QRandomGenerator& random) {
    QList<SessionEvent> events = host.TakeEvents();
    qint64 now = 1000;  // a second after the handshake's messages, for the rate
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

// The messages as the guest seals them, one frame each.
QList<QByteArray> Frames(HandGuest& guest, const QList<QJsonObject>& messages) {
    QList<QByteArray> frames;
    for (const QJsonObject& message : messages) {
        frames.append(guest.Frame(message));
    }
    return frames;
}

// A new host taken through the handshake by a guest that changes one field of one of its four
// messages (hello, share, proof, name), each sent once the host has answered the one before.
Replay SpoiledHandshake(QRandomGenerator& random) {
    Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
    HandGuest guest;
    guest.Read(host.TakeOutput());
    const int spoiled = random.bounded(4);
    const HandGuest::Edit spoil = [&random](QJsonObject& message) { MutateField(message, random); };
    const auto editOf = [&](int step) { return step == spoiled ? spoil : HandGuest::Edit(); };
    for (int step = 0; step < 4 && host.state() == Session::State::Handshake; ++step) {
        QByteArray piece;
        switch (step) {
            case 0:
                piece = guest.Hello(kProtocolMajor, editOf(0));
                break;
            case 1:
                piece = guest.Share(editOf(1));
                break;
            case 2:
                piece = guest.Confirm(editOf(2));
                break;
            default: {
                QJsonObject name{{"t", "name"}, {"name", "Gus"}};
                if (const HandGuest::Edit edit = editOf(3)) {
                    edit(name);
                }
                piece = guest.Frame(name);
            }
        }
        host.Receive(piece, 0);
        guest.Read(host.TakeOutput());
    }
    const QList<SessionEvent> events = host.TakeEvents();
    return {events, host.state(), host.game(), true};
}

// A payload framed with its true length, whatever it holds.
QByteArray RawFrame(const QByteArray& payload) {
    QByteArray frame(kFrameHeaderBytes, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
    return frame + payload;
}

// One frame spoiled: a field of a message in the clear changed, or a sealed one's bytes.
QByteArray Spoiled(const QByteArray& frame, QRandomGenerator& random) {
    QString error;
    std::optional<QJsonObject> message = DecodeMessage(frame.sliced(kFrameHeaderBytes), &error);
    if (!message) {
        return MutateBytes(frame, random);
    }
    MutateField(*message, random);
    return RawFrame(QJsonDocument(*message).toJson(QJsonDocument::Compact));
}

// A host whose connection dropped in its first game, resumed by its guest over a new connection
// with one of the guest's frames spoiled (its resume, its proof, its first sealed message). The
// host's game stays as it was whatever the frames hold, and the host is never closed: it goes on
// waiting, or, where the spoiling missed what counts, resumes the same game as the guest.
struct ResumeReplay {
    bool hostClosed = false;
    bool gameKept = false;
    bool resumed = false;
    bool sidesAgree = false;
};

ResumeReplay SpoiledResume(QRandomGenerator& random) {
    SessionPair pair;
    pair.Exchange();
    pair.host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0);
    pair.Exchange();
    pair.host.Move(FirstPlaceable(pair.host.board(), false));
    pair.Exchange();
    const Board board = pair.host.board();
    pair.host.ConnectionLost(pair.now);
    pair.guest.ConnectionLost(pair.now);
    pair.host.BeginResume(pair.now);
    pair.guest.BeginResume(pair.now);
    const int spoiled = random.bounded(3);
    int sent = 0;
    for (int round = 0; round < SessionPair::kMaxRounds; ++round) {
        FrameReader reader;
        QByteArray toHost;
        for (const QByteArray& payload : reader.Feed(pair.guest.TakeOutput())) {
            const QByteArray frame = RawFrame(payload);
            toHost += sent++ == spoiled ? Spoiled(frame, random) : frame;
        }
        const QByteArray toGuest = pair.host.TakeOutput();
        if (toHost.isEmpty() && toGuest.isEmpty()) {
            break;
        }
        pair.host.Receive(toHost, pair.now);
        pair.guest.Receive(toGuest, pair.now);
    }
    return {pair.host.state() == Session::State::Closed, pair.host.board() == board,
            pair.host.connection() == Session::Connection::Live,
            pair.host.moves() == pair.guest.moves() && pair.guest.board() == board};
}

}  // namespace

class ProtocolFuzzTest : public QObject {
    Q_OBJECT

private slots:
    // It should replay the recorded match itself without complaint, so that its mutations
    // reach every state.
    void recordedMatchReplaysCleanly() {
        QRandomGenerator random(kSeed);
        Joined joined;
        const Replay replay =
            Feed(joined.host, Frames(joined.guest, RecordGuestMessages()), random);
        for (const SessionEvent& event : replay.events) {
            QVERIFY2(event.kind != SessionEvent::Kind::Invalid, qPrintable(event.text));
        }
        QVERIFY(
            std::any_of(replay.events.begin(), replay.events.end(), [](const SessionEvent& event) {
                return event.kind == SessionEvent::Kind::UndoApplied;
            }));
        QCOMPARE(replay.game, qint64{2});
        QCOMPARE(replay.state, Session::State::GameOver);
    }

    // It should survive thousands of generated inputs: random frames into a new host, the
    // handshake with a field changed, the recorded match's messages with a field changed and
    // its sealed frames with bytes changed; a session that calls something invalid is closed,
    // and its board never holds a code the rules do not know. A resume with a frame spoiled
    // never closes the host's session nor touches its game, and goes through only to the same
    // game on both sides.
    void survivesGeneratedInputs() {
        QRandomGenerator random(kSeed);
        const QList<QJsonObject> recorded = RecordGuestMessages();
        int invalid = 0;
        int refusedResumes = 0;
        for (int i = 0; i < kKinds * kCasesPerKind; ++i) {
            Replay replay;
            switch (i % kKinds) {
                case 0: {
                    Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
                    replay = Feed(host, {RandomFrames(random)}, random);
                    break;
                }
                case 1:
                    replay = SpoiledHandshake(random);
                    break;
                case 4: {
                    const ResumeReplay resume = SpoiledResume(random);
                    QVERIFY(!resume.hostClosed);
                    QVERIFY(resume.gameKept);
                    QVERIFY(!resume.resumed || resume.sidesAgree);
                    refusedResumes += resume.resumed ? 0 : 1;
                    continue;
                }
                case 2: {
                    Joined joined;
                    replay = Feed(joined.host, Frames(joined.guest, MutateFields(recorded, random)),
                                  random);
                    break;
                }
                default: {
                    Joined joined;
                    QList<QByteArray> pieces = Frames(joined.guest, recorded);
                    for (int edited = 1 + random.bounded(3); edited > 0; --edited) {
                        QByteArray& piece = pieces[random.bounded(pieces.size())];
                        piece = MutateBytes(piece, random);
                    }
                    replay = Feed(joined.host, pieces, random);
                }
            }
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
        QVERIFY(invalid < kKinds * kCasesPerKind);
        // The spoiling reaches the checks of a resume.
        QVERIFY(refusedResumes > kCasesPerKind / 2);
    }
};

QTEST_GUILESS_MAIN(ProtocolFuzzTest)
#include "test_protocol_fuzz.moc"
