#pragma once

#include <QJsonObject>
#include <QString>
#include <array>
#include <optional>

#include "rules/board.h"

namespace morvane {

// Every message of the protocol, by its "t".
enum class MessageType {
    Hello,       // each side's first: versions, name, nonce
    Auth,        // the guest's proof of the join code
    Setup,       // the host's terms of a game: terrain, who plays which side, who moves first
    Move,        // a unit placed: game, ply, cell
    Resign,      // the sender gives up the game
    Undo,        // the sender, on its turn, asks to take back its last move and the reply
    UndoAnswer,  // the answer to the other side's undo request
    Next,        // the sender is ready for the next game
    Quit,        // the sender ends the match
    Heartbeat,   // nothing to say, still here
    Bye,         // the sender closes, with a reason
};

// The two ends of a connection: the host listens and sets the games up, the guest joins.
enum class Peer { Host, Guest };

// Games are numbered from 1 as the round counter counts them.
inline constexpr int kMaxGameNumber = 999;

// One message, its fields checked for type and range; which fields matter depends on the type.
struct Message {
    MessageType type = MessageType::Heartbeat;
    // Hello.
    int protoMajor = 0;
    int protoMinor = 0;
    QString app{};
    QString name{};  // cleaned: trimmed, at most kMaxNameLength characters
    QString nonce{};
    // Auth.
    QString mac{};
    // Setup, Move, Resign, Undo, UndoAnswer, Next: the game it belongs to.
    int game = 0;
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
};

// Bye's reasons.
inline constexpr QStringView kByeCode = u"code";
inline constexpr QStringView kByeVersion = u"version";
inline constexpr QStringView kByeInvalid = u"invalid";
inline constexpr QStringView kByeQuit = u"quit";  // after this side's quit, as it closes

// Whether a board may begin a game: Empty, Hollow and Block only, and some cell free.
bool IsTerrain(const Board& board);

// The message's JSON object, as sent.
QJsonObject ToJson(const Message& message);

// The message in a received object whose "t" is a string, if its type is known and its fields
// have their types and ranges; fields a later minor version may add are ignored. Says what is
// wrong in `error` otherwise.
std::optional<Message> CheckMessage(const QJsonObject& object, QString* error);

}  // namespace morvane
