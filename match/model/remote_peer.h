#pragma once

#include <QString>
#include <deque>
#include <optional>

#include "computer/computer_level.h"
#include "rules/board.h"
#include "rules/player_kind.h"

namespace morvane {

// This machine's part in a network match: the host sets the games up, the guest plays them.
enum class NetworkRole { Host, Guest };

// The other side of a network match, as the battle sees it: the messages that go to it. The
// questions its news asks of the person here are the battle's own.
class RemotePeer {
public:
    // A unit of this side has gone in.
    virtual void SendMove(int cell) = 0;
    // Asks to take back this side's last move and the reply; false when the request cannot go.
    virtual bool SendUndoRequest() = 0;
    virtual void SendUndoAnswer(bool accept) = 0;
    // The host's terms of the next game: the terrain, the side the other side plays and the
    // side that moves first.
    virtual void SendSetup(const Board& terrain, int remoteSide, Turn first) = 0;
    // This side is ready for the next game.
    virtual void SendNext() = 0;
    // This side ends the match.
    virtual void SendQuit() = 0;

protected:
    ~RemotePeer() = default;
};

// What came from the other side and waits for the battle's next tick.
struct RemoteNews {
    // A game's terms as the host sent them.
    struct Setup {
        Board terrain;
        int localSide = 0;
        Turn first = kCircleTurn;
    };
    enum class Ending { None, Left, Invalid };

    std::deque<int> moves;           // its units, in the order placed
    bool undoAsked = false;          // it asks to take back its last move
    std::optional<bool> undoAnswer;  // its answer to this side's request
    bool resigned = false;           // it gave up the game under way
    bool ready = false;              // it is ready for the next game
    std::optional<Setup> setup;      // the host's terms of the next game
    Ending ending = Ending::None;    // it is gone
};

// A battle's network match: who plays here and there, and what the other side said.
struct NetworkMatch {
    RemotePeer* peer;
    NetworkRole role;
    QString ownName;
    QString peerName;
    PlayerKind local;  // who plays this side: a person at the mouse, or the computer
    RemoteNews news;
    bool undoRequested = false;  // this side's request waits for its answer
};

}  // namespace morvane
