#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "match/model/remote_peer.h"
#include "net/socket/net_link.h"

class QWidget;

namespace morvane {

class Battle;
class ConnectionNotice;

// The battle screen's side of a network match: hands the link's news to the battle, sends the
// battle's messages over the link, and answers the questions the other side's news makes the
// battle ask, from the program's own dialogs over the screen, opened without waiting.
class BattleLink : public QObject, public RemotePeer {
    Q_OBJECT

public:
    // The link is authenticated and waits for the first game. wake is called after each piece
    // of news and each answer, so that the screen ticks on.
    BattleLink(NetLink* link, Battle& battle, QWidget* screen, std::function<void()> wake);

    NetworkRole role() const;
    // This side's name and the other side's.
    QString ownName() const;
    QString peerName() const;

    // Hands the battle what the link heard before this side listened: the game the host set up
    // and the units placed in it since (a guest's join window waits for the first setup).
    void CatchUp();

    // The screen closes: the other side hears that this side quit, and the link goes once its
    // socket has closed.
    void Close();

    void SendMove(int cell) override;
    bool SendUndoRequest() override;
    void SendUndoAnswer(bool accept) override;
    void SendSetup(const Board& terrain, int remoteSide, Turn first) override;
    void SendNext() override;
    void SendQuit() override;

    // Chat beside the match: whether a line can go now, and a line (IsChatText) sent; false
    // when it cannot go now or comes too fast. A refused line is no disagreement.
    bool CanChat() const;
    bool SendChat(const QString& text);

signals:
    // A line of chat from the other side.
    void chatHeard(const QString& text);

private:
    void Hear(const SessionEvent& event);
    // Runs a session action; one it refuses ends the match (Session::Desync).
    bool Act(const std::function<bool(Session&)>& action, const char* what);

    QPointer<NetLink> link_;
    bool linkFinished_ = false;
    bool desynced_ = false;  // the match ends because the two sides' games disagree
    Battle& battle_;
    QWidget* screen_;
    std::function<void()> wake_;
    ConnectionNotice* notice_;  // while the connection drops and is resumed
};

}  // namespace morvane
