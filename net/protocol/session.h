#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "net/protocol/chat.h"
#include "net/protocol/frame_codec.h"
#include "net/protocol/key_exchange.h"
#include "net/protocol/message.h"
#include "net/protocol/resume_exchange.h"
#include "net/protocol/sealed_stream.h"
#include "rules/board.h"

namespace morvane {

// Times of the protocol, in milliseconds of the clock the owner passes in.
inline constexpr qint64 kHandshakeTimeoutMs = 10'000;  // the whole handshake, from the start
inline constexpr qint64 kHeartbeatPeriodMs = 5'000;    // a heartbeat goes out this often
inline constexpr qint64 kSilenceLimitMs = 15'000;      // no message for this long: the side left
// A connection that dropped in a game may be resumed over a new one for this long (from 2.1).
inline constexpr qint64 kResumeLimitMs = 60'000;
// What one side may send: more messages within a second, or more bytes waiting to be read, is a
// violation.
inline constexpr int kMaxMessagesPerSecond = 20;
inline constexpr qsizetype kMaxBufferedBytes = qsizetype{16} * 1024;

// Something the session tells its owner.
struct SessionEvent {
    enum class Kind {
        PeerHello,      // the other side's hello: its protocol version in version
        Authenticated,  // the host: the guest proved the code; the guest: the first game is set up
        GameStarted,    // a setup took effect: board(), sideToMove() and game() are the new game's
        Moved,          // a unit was placed: by, cell
        GameOver,       // winnerSide 0 or 1, or -1 for a draw; by resigned when resigned
        UndoRequested,  // the other side asks to take back its last move
        UndoAnswered,   // the other side answered this side's request: accepted
        UndoApplied,    // moves were taken back: board() is the position after
        NextRequested,  // by is ready for the next game
        PeerQuit,       // the other side ended the match
        PeerBye,        // the other side closed: text is its reason
        WrongCode,      // the other side did not prove the join code
        VersionMismatch,  // text is this side's protocol version, version the other side's
        Invalid,          // the other side sent something the protocol refuses: text says what
        Desynced,         // one side's game asked what its session refused: the match ends
        TimedOut,         // the handshake did not finish within kHandshakeTimeoutMs
        Left,             // the other side went silent or the connection broke
        ChatReceived,     // a line of chat from the other side: text
        // The connection dropped in a game: the session waits for a new one to resume it on.
        Dropped,
        Resumed,  // a new connection goes on with the session: nothing sent is lost
    };
    Kind kind;
    Peer by = Peer::Host;
    int cell = -1;
    int winnerSide = -1;
    bool resigned = false;
    bool accepted = false;
    QString text{};
    QString version{};
};

// One end of a network match as a state machine without sockets: bytes from the other side go
// in, bytes for it and events for the owner come out, and the owner passes the clock in, so
// tests control time. The handshake runs the key exchange with the join code; every frame after
// a side's proof of the key is sealed. Every received message is checked against the state, the
// game, the ply, the side to move and the rules; any violation closes the session with an
// Invalid event and a bye. Both ends judge every move themselves.
class Session {
public:
    enum class State { Handshake, Setup, Playing, GameOver, Closed };
    // Whether the session has a connection: one that dropped is resumed over a new one, its
    // game going on meanwhile, what this side sends kept until the other side has it.
    enum class Connection { Live, Cut, Resuming };

    // Queues this side's hello. `joinCode` is read as ReadJoinCode reads it; `name` is cleaned
    // before it is sent.
    Session(Peer role, const QString& joinCode, const QString& name, const QString& appVersion,
            qint64 nowMs);

    // Bytes the other side sent, read at nowMs.
    void Receive(QByteArrayView bytes, qint64 nowMs);
    // The clock moved: sends heartbeats, notices an unfinished handshake and silence.
    void Tick(qint64 nowMs);

    // The host starts a game: the first after the handshake, or the next once both sides asked
    // for it; false otherwise, or for a board that is no terrain (IsTerrain), or after game
    // kMaxGameNumber.
    bool StartGame(const Board& terrain, std::array<Peer, 2> sides, int firstSide);
    // This side places a unit; false when it may not (not its turn, a request waiting, a cell
    // that takes no unit).
    bool Move(int cell);
    bool Resign();
    // On this side's turn, asks to take back its last move and the other side's reply. Asked
    // only on the asker's turn, a request never crosses a move on the wire.
    bool RequestUndo();
    bool AnswerUndo(bool accept);
    bool RequestNextGame();
    void Quit();
    // This side's own game asked for something the session refused: the two no longer agree on
    // the match, which ends for both with a Desynced event.
    void Desync(const QString& what);
    // Closes without news for the owner, telling the other side why (a host turning a
    // handshake away).
    void Withdraw(QStringView reason);
    // The connection under the session broke. From the first game on, with a peer that speaks
    // 2.1 or later, the session waits for a new connection (a Dropped event), until
    // the resume limit after the drop; otherwise, and at that limit, it closes with a Left event.
    // A resume attempt that breaks leaves the session waiting.
    void ConnectionLost(qint64 nowMs);
    // A new connection for a session that waits: the guest dialled the host again, or the
    // host took one on its port. The guest's resume goes out at once; the host waits for one.
    // An attempt under way ends. False unless the session waits.
    bool BeginResume(qint64 nowMs);
    // How long a dropped connection may take to be resumed (kResumeLimitMs unless set).
    void SetResumeLimit(qint64 ms) { resumeLimitMs_ = ms; }

    // Chat, from the end of the handshake until the session closes, with a side whose protocol
    // knows it (2.1 or later): whether a line can go now.
    bool CanChat() const;
    // Sends a line of chat (IsChatText) at nowMs; false when it cannot go now, or when this
    // side's lines come faster than kChatSendBurst at once and then one a kChatIntervalMs, so
    // that chat never crowds out the moves.
    bool SendChat(const QString& text, qint64 nowMs);

    // Bytes to send since the last call.
    QByteArray TakeOutput();
    // Events since the last call, in order.
    QList<SessionEvent> TakeEvents();

    Peer role() const { return role_; }
    State state() const { return state_; }
    Connection connection() const { return connection_; }
    const Board& board() const { return board_; }
    qint64 game() const { return game_; }
    int movesMade() const { return static_cast<int>(moves_.size()); }
    // The cells of the current game's units in the order placed.
    const QList<int>& moves() const { return moves_; }
    // Whether a side has placed a unit in the current game.
    bool HasMoved(Peer peer) const;
    // Side 0 (○) or 1 (×) to move.
    int sideToMove() const { return SideNumber(turn_); }
    // The current game's terrain, and the side (0 or 1) that moved first in it.
    const Board& terrain() const { return terrain_; }
    int firstSide() const { return SideNumber(firstTurn_); }
    // Who plays side 0 and side 1 in the current game.
    const std::array<Peer, 2>& sides() const { return sides_; }
    // This side's name as it is sent, and the other side's once the handshake is done.
    const QString& ownName() const { return ownName_; }
    const QString& peerName() const { return peerName_; }
    // Who has asked to take back a move and waits for the answer.
    std::optional<Peer> undoPendingBy() const { return undoPendingBy_; }

private:
    Peer Other() const { return role_ == Peer::Host ? Peer::Guest : Peer::Host; }
    Peer PeerToMove() const { return sides_[static_cast<std::size_t>(SideNumber(turn_))]; }

    void Send(const Message& message);
    void SendBye(QStringView reason);
    void Emit(SessionEvent event);
    void Close();
    void Violation(const QString& what);
    // The message in a received payload, opened when the other side has sealed since its proof.
    std::optional<Message> Read(const QByteArray& payload);
    void Handle(const Message& message);
    void HandleBye(const Message& message);
    void HandleHello(const Message& message);
    void HandleShare(const Message& message);
    void HandleConfirm(const Message& message);
    void HandleName(const Message& message);
    void HandleSetup(const Message& message);
    void HandleMove(const Message& message);
    void HandleUndo(const Message& message);
    void HandleUndoAnswer(const Message& message);
    void HandleNext(const Message& message);
    void HandleChat(const Message& message);
    // The states in which lines of chat go both ways.
    bool ChatState() const;

    // This side's proof of the key, the last frame it sends in the clear.
    void SendProof();
    void WrongCode();

    // Going on after a dropped connection (session_resume.cpp).
    bool Resumable() const;
    // The live connection is gone: the session waits for another when it can be resumed, and
    // otherwise the other side has left.
    void LoseConnection(qint64 nowMs);
    // The connection is gone: the session waits for another, telling its owner.
    void Cut(qint64 nowMs);
    // Forgets the connection's frames and sealing, and any resume attempt.
    void ResetConnection();
    // A resume attempt failed: the session goes on waiting, telling that connection why.
    void RefuseResume(const QString& what, QStringView reason);
    void TickResume(qint64 nowMs);
    void HandleResumeStep(const Message& message);
    void HandleResume(const Message& message);
    void HandleResumeProof(const Message& message);
    void HandleResumed(const Message& message);
    void SendResumeProof();
    // The other side has the first `got` kept messages of the match: they are no longer kept.
    // False when it claims more than were sent.
    bool Acknowledge(qint64 got);

    // The shared steps of the two sides' actions.
    void BeginGame(const Board& terrain, std::array<Peer, 2> sides, int firstSide, qint64 game);
    void Place(Peer by, int cell);
    void EndByResignation(Peer by);
    void TakeBack(Peer requester);

    Peer role_;
    QString appVersion_;
    QString ownName_;
    QString peerName_;
    State state_ = State::Handshake;

    // The handshake: the other side's hello and share, and each direction's sealing once its
    // sender has proved the key.
    KeyExchange exchange_;
    bool peerHelloSeen_ = false;
    bool peerShareSeen_ = false;
    int peerMinor_ = 0;
    std::optional<StreamSealer> sealer_;
    std::optional<StreamOpener> opener_;

    FrameReader reader_;
    QByteArray output_;
    QList<SessionEvent> events_;
    qint64 startedMs_;
    qint64 lastReceivedMs_;
    qint64 lastHeartbeatMs_;
    qint64 rateWindowMs_;
    int messagesInWindow_ = 0;

    Board terrain_;
    Board board_;
    std::array<Peer, 2> sides_{Peer::Host, Peer::Guest};
    Turn firstTurn_ = kCircleTurn;
    Turn turn_ = kCircleTurn;
    qint64 game_ = 0;
    QList<int> moves_;
    std::optional<Peer> undoPendingBy_;
    std::array<bool, 2> wantsNext_{};  // by Peer: host, guest

    // Chat: the pace of each direction's lines.
    ChatPace chatSent_{kChatSendBurst, kChatIntervalMs};
    ChatPace chatReceived_{kChatReceiveBurst, kChatIntervalMs};
    // Resuming: the connection's state, when it dropped, when the attempt began, the attempt;
    // the kept messages (encoded, not sealed) the other side has not acknowledged, the last of
    // sentKept_ sent in the match, and the count of kept messages received.
    Connection connection_ = Connection::Live;
    qint64 resumeLimitMs_ = kResumeLimitMs;
    qint64 cutAtMs_ = 0;
    qint64 attemptStartedMs_ = 0;
    std::optional<ResumeExchange> resume_;
    QList<QByteArray> kept_;
    qint64 sentKept_ = 0;
    qint64 receivedKept_ = 0;
};

}  // namespace morvane
