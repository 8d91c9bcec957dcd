#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "match/windows/entry_window.h"
#include "rules/player_kind.h"

class QWidget;

namespace morvane {

class Battle;
class BattleLink;
class NetLink;

// Sets a network game up, as its host or its guest: an authenticated link, a child of
// linkParent, whose session waits for the first game; null when the player cancelled.
using NetworkGameFunction = std::function<NetLink*(QWidget* parent, QObject* linkParent)>;

// How the battle screen comes to play a network match: a link the command line made, the player
// entry's network side, or the game menu's host and join entries. Each starts the battle's
// network match over the link once the other side is in.
class NetworkMatchSetup : public QObject {
    Q_OBJECT

public:
    // Without both ways in, the screen offers no network game. wake ticks the screen on.
    NetworkMatchSetup(Battle& battle, QWidget* screen, NetworkGameFunction hostGame,
                      NetworkGameFunction joinGame, std::function<void()> wake);

    bool Offered() const { return hostGame_ && joinGame_; }

    // A link whose session waits for the first game, made before the screen was shown. The
    // host's entry opens with side × on the network; the guest waits for the host's terms.
    // Given who plays this side, the host skips its entry (○ here, × on the network) and the
    // guest plays its side so instead of at the mouse.
    void Start(NetLink* link, std::optional<PlayerKind> local);

    // Who plays this side, when the start said so and its link waits: the entry is skipped and
    // the match goes on over that link.
    std::optional<PlayerKind> TakeToldLocal();
    // What the next player entry offers of network play.
    EntryNetwork EntryOffer();
    // The entry left a side to the network: the match goes on over the waiting link, or one
    // hosted now. False when hosting was cancelled.
    bool HostAfterEntry();
    // The entry left no side to the network: a link that waited for it goes.
    void DropWaitingLink();

    // The game menu's entries: the next player entry opens with side × on the network; or a
    // host's game is joined, true once the other side is in.
    void HostNext() { entrySide_ = 1; }
    bool Join();

    // The screen closes: the other side hears that this side quit.
    void Close();

    // Chat with the other side of the network match: whether a line can go now; a line
    // (IsChatText) sent, told as chatLine once it went.
    bool CanChat() const;
    bool SendChat(const QString& text);
    // The name this side (mine) or the other gave, maybe empty.
    QString GivenName(bool mine) const;

signals:
    // A line of chat went out (mine) or came in.
    void chatLine(bool mine, const QString& text);

private:
    // The match goes on over the link, as its host or its guest (whose side local plays).
    void PlayOver(NetLink* link, PlayerKind local = PlayerKind::Mouse);

    Battle& battle_;
    QWidget* screen_;
    NetworkGameFunction hostGame_;
    NetworkGameFunction joinGame_;
    std::function<void()> wake_;
    BattleLink* link_ = nullptr;  // in a network match
    // The side the next player entry opens on the network, for a host; the host's link that the
    // command line made, waiting for that entry; who plays this side, when the start said so.
    std::optional<int> entrySide_;
    QPointer<NetLink> waitingLink_;
    std::optional<PlayerKind> toldLocal_;
};

}  // namespace morvane
