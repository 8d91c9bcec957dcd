#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <array>
#include <optional>

#include "rules/board.h"

namespace morvane {

// Every message of the protocol, by its "t".
enum class MessageType {
    Hello,       // each side's first, in the clear: versions and the nonce
    Share,       // the key exchange's share, in the clear: the guest's first, then the host's
    Confirm,     // the proof of the key and the sealed stream's header, in the clear
    Name,        // each side's first sealed message: the player's name
    Setup,       // the host's terms of a game: terrain, who plays which side, who moves first
    Move,        // a unit placed: game, ply, cell
    Resign,      // the sender gives up the game
    Undo,        // the sender, on its turn, asks to take back its last move and the reply
    UndoAnswer,  // the answer to the other side's undo request
    Next,        // the sender is ready for the next game
    Quit,        // the sender ends the match
    Heartbeat,   // nothing to say, still here
    Bye,         // the sender closes, with a reason
    Chat,        // a line of chat from the sender's player (2.1)
    // Going on with a session whose connection dropped, over a new one (from 2.1).
    Resume,       // in the clear: the sender's fresh nonce for this attempt
    ResumeProof,  // in the clear: the proof of the resume key and the new stream's header
    Resumed,      // the first sealed message after the proofs: how many kept messages arrived
};

// The two ends of a connection: the host listens and sets the games up, the guest joins.
enum class Peer { Host, Guest };

// Games are numbered from 1, as far as a JSON number counts exactly (2^53 - 1): at a game a
// second, further than any match goes.
inline constexpr qint64 kMaxGameNumber = (qint64{1} << 53) - 1;

// One message, its fields checked for type and range; which fields matter depends on the type.
struct Message {
    MessageType type = MessageType::Heartbeat;
    // Hello.
    int protoMajor = 0;
    int protoMinor = 0;
    QString app{};
    QByteArray nonce{};
    // Share: the element's encoding; Confirm: the tag and the sealed stream's header.
    QByteArray share{};
    QByteArray tag{};
    QByteArray stream{};
    // Name: cleaned, trimmed and at most kMaxNameLength characters.
    QString name{};
    // Setup, Move, Resign, Undo, UndoAnswer, Next: the game it belongs to.
    qint64 game = 0;
    // Setup: the terrain (Empty, Hollow and Block only), who plays side ○ (0) and × (1), and
    // the side that moves first.
    Board terrain{};
    std::array<Peer, 2> sides{Peer::Host, Peer::Guest};
    int firstSide = 0;
    // Move: its number in the game from 1, and its cell; Undo and UndoAnswer: the number of
    // moves made when the request was sent.
    int ply = 0;
    int cell = 0;
    // UndoAnswer.
    bool accepted = false;
    // Bye.
    QString reason{};
    // Chat: the line, as IsChatText takes it.
    QString text{};
    // Resume: its nonce; ResumeProof: its tag and stream header, in nonce, tag and stream.
    // Resumed, and Heartbeat from 2.1: how many kept messages (IsKept) the sender has received
    // in the whole match; -1 when a heartbeat does not say.
    qint64 got = -1;
};

// Whether a message of this type is kept until the other side has it: resent after a resume
// if the connection dropped before it arrived, and counted in "got".
bool IsKept(MessageType type);

// Bye's reasons.
inline constexpr QStringView kByeCode = u"code";        // the other side did not prove the code
inline constexpr QStringView kByeVersion = u"version";  // another major protocol version
inline constexpr QStringView kByeInvalid = u"invalid";  // the other side sent what is refused
inline constexpr QStringView kByeTimeout = u"timeout";  // the handshake took too long
inline constexpr QStringView kByeBusy = u"busy";        // the host takes no more guests now
// The sender's own game asked what its session refused: the two no longer agree on the match.
inline constexpr QStringView kByeDesync = u"desync";
inline constexpr QStringView kByeQuit = u"quit";  // after this side's quit, as it closes

// Whether a board may begin a game: Empty, Hollow and Block only, and some cell free.
bool IsTerrain(const Board& board);

// The message's JSON object, as sent.
QJsonObject ToJson(const Message& message);

// The message in a received object whose "t" is a string, if its type is known and its fields
// have their types and ranges; fields a later minor version may add are ignored. A hello of
// another major version needs only its "proto", so that the versions can be told whatever else
// it holds. Says what is wrong in `error` otherwise.
std::optional<Message> CheckMessage(const QJsonObject& object, QString* error);

}  // namespace morvane
