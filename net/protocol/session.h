#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "net/protocol/frame_codec.h"
#include "net/protocol/message.h"
#include "rules/board.h"

namespace morvane {

// Times of the protocol, in milliseconds of the clock the owner passes in.
inline constexpr qint64 kHelloTimeoutMs = 10'000;    // the other side's hello must come by then
inline constexpr qint64 kHeartbeatPeriodMs = 5'000;  // a heartbeat goes out this often
inline constexpr qint64 kSilenceLimitMs = 15'000;    // no message for this long: the side left
// What one side may send: more messages within a second, or more bytes waiting to be read, is a
// violation.
inline constexpr int kMaxMessagesPerSecond = 20;
inline constexpr qsizetype kMaxBufferedBytes = qsizetype{16} * 1024;

// Something the session tells its owner.
struct SessionEvent {
    enum class Kind {
        PeerHello,      // the other side's hello: its name and version in text and version
        Authenticated,  // the host: the guest knew the code; the guest: the host accepted it
        GameStarted,    // a setup took effect: board(), sideToMove() and game() are the new game's
        Moved,          // a unit was placed: by, cell
        GameOver,       // winnerSide 0 or 1, or -1 for a draw; by resigned when resigned
        UndoRequested,  // the other side asks to take back its last move
        UndoAnswered,   // the other side answered this side's request: accepted
        UndoApplied,    // moves were taken back: board() is the position after
        NextRequested,  // by is ready for the next game
        PeerQuit,       // the other side ended the match
        PeerBye,        // the other side closed: text is its reason
        WrongCode,      // the host: a guest gave a wrong code
        VersionMismatch,  // text is this side's protocol version, version the other side's
        Invalid,          // the other side sent something the protocol refuses: text says what
        Left,             // the other side went silent or the connection broke
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
// tests control time. Every received message is checked against the state, the game, the ply,
// the side to move and the rules; any violation closes the session with an Invalid event and a
// bye. Both ends judge every move themselves.
class Session {
public:
    enum class State { Handshake, Setup, Playing, GameOver, Closed };

    // Queues this side's hello. `name` is cleaned before it is sent.
    Session(Peer role, const QString& joinCode, const QString& name, const QString& appVersion,
            qint64 nowMs);

    // Bytes the other side sent, read at nowMs.
    void Receive(QByteArrayView bytes, qint64 nowMs);
    // The clock moved: sends heartbeats, notices silence.
    void Tick(qint64 nowMs);

    // The host starts a game: the first after the handshake, or the next once both sides asked
    // for it; false otherwise, or for a board that is no terrain (IsTerrain) or a game beyond
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
    // The connection under the session broke: closes with a Left event unless already closed.
    void ConnectionLost();

    // Bytes to send since the last call.
    QByteArray TakeOutput();
    // Events since the last call, in order.
    QList<SessionEvent> TakeEvents();

    Peer role() const { return role_; }
    State state() const { return state_; }
    const Board& board() const { return board_; }
    int game() const { return game_; }
    int movesMade() const { return static_cast<int>(moves_.size()); }
    // The cells of the current game's units in the order placed.
    const QList<int>& moves() const { return moves_; }
    // Side 0 (○) or 1 (×) to move.
    int sideToMove() const { return SideNumber(turn_); }
    // The current game's terrain, and the side (0 or 1) that moved first in it.
    const Board& terrain() const { return terrain_; }
    int firstSide() const { return SideNumber(firstTurn_); }
    // Who plays side 0 and side 1 in the current game.
    const std::array<Peer, 2>& sides() const { return sides_; }
    // This side's name as its hello gave it, and the other side's.
    const QString& ownName() const { return ownName_; }
    const QString& peerName() const { return peerName_; }
    // Who has asked to take back a move and waits for the answer.
    std::optional<Peer> undoPendingBy() const { return undoPendingBy_; }

private:
    Peer Other() const { return role_ == Peer::Host ? Peer::Guest : Peer::Host; }
    Peer PeerToMove() const { return sides_[static_cast<std::size_t>(SideNumber(turn_))]; }
    bool HasMoved(Peer peer) const;

    void Send(const Message& message);
    void Emit(SessionEvent event);
    void Close();
    void Violation(const QString& what);
    void Handle(const Message& message);
    void HandleHello(const Message& message);
    void HandleAuth(const Message& message);
    void HandleSetup(const Message& message);
    void HandleMove(const Message& message);
    void HandleUndo(const Message& message);
    void HandleUndoAnswer(const Message& message);
    void HandleNext(const Message& message);

    // The shared steps of the two sides' actions.
    void BeginGame(const Board& terrain, std::array<Peer, 2> sides, int firstSide, int game);
    void Place(Peer by, int cell);
    void EndByResignation(Peer by);
    void TakeBack(Peer requester);

    Peer role_;
    QString joinCode_;
    QString ownNonce_;
    QString peerNonce_;
    QString ownName_;
    QString peerName_;
    State state_ = State::Handshake;
    bool peerHelloSeen_ = false;

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
    int game_ = 0;
    QList<int> moves_;
    std::optional<Peer> undoPendingBy_;
    std::array<bool, 2> wantsNext_{};  // by Peer: host, guest
};

}  // namespace morvane
