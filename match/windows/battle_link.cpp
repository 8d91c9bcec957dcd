#include "match/windows/battle_link.h"

#include <QTimer>
#include <QWidget>

#include "match/model/battle.h"
#include "match/windows/connection_notice.h"
#include "match/windows/peer_left_dialog.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/open_dialog.h"

namespace morvane {
namespace {

Turn TurnOfSide(int side) { return side == 0 ? kCircleTurn : kCrossTurn; }

}  // namespace

BattleLink::BattleLink(NetLink* link, Battle& battle, QWidget* screen, std::function<void()> wake)
    : QObject(screen),
      link_(link),
      battle_(battle),
      screen_(screen),
      wake_(std::move(wake)),
      notice_(new ConnectionNotice(screen)) {
    // The notice belongs to this match's link: a later match's link shows its own.
    connect(this, &QObject::destroyed, notice_, &QObject::deleteLater);
    connect(link, &NetLink::eventOccurred, this, &BattleLink::Hear);
    connect(link, &NetLink::finished, this, [this] { linkFinished_ = true; });

    connect(&battle, &Battle::peerUndoAsked, this, [this] {
        OpenMessage(screen_, tr("対戦相手が待ったを申し込んでいます。\n受けますか？"), YesCaption(),
                    NoCaption(), QString(), this, [this](MessageAnswer answer) {
                        battle_.AnswerPeerUndo(answer == MessageAnswer::First);
                        wake_();
                    });
    });
    connect(&battle, &Battle::peerLeftAsked, this, [this](bool canHandOver) {
        OpenDialog(new PeerLeftDialog(canHandOver, screen_), this,
                   [this](const PeerLeftDialog& dialog) {
                       battle_.AnswerPeerLeft(dialog.Choice());
                       wake_();
                   });
    });
    connect(&battle, &Battle::peerInvalidTold, this, [this] {
        const QString text =
            desynced_ ? tr("対戦相手と対局の状態が食い違ったので、\nゲームを終了します。")
                      : tr("対戦相手から不正なデータが届きました。\nゲームを終了します。");
        OpenMessage(screen_, text, QString(), QString(), ConfirmCaption(), this,
                    [this](MessageAnswer) {
                        battle_.AnswerPeerInvalid();
                        wake_();
                    });
    });
}

NetworkRole BattleLink::role() const {
    return link_->session().role() == Peer::Host ? NetworkRole::Host : NetworkRole::Guest;
}

QString BattleLink::ownName() const { return link_->session().ownName(); }

QString BattleLink::peerName() const { return link_->session().peerName(); }

void BattleLink::Close() {
    if (!link_) {
        return;
    }
    SendQuit();
    if (linkFinished_) {
        return;  // its socket is closed already; it goes with its parent
    }
    // The link outlives the screen until its socket has sent the quit and closed.
    NetLink* link = link_;
    link->setParent(nullptr);
    connect(link, &NetLink::finished, link, &QObject::deleteLater);
}

void BattleLink::CatchUp() {
    const Session& session = link_->session();
    if (session.state() != Session::State::Playing && session.state() != Session::State::GameOver) {
        return;
    }
    Hear(SessionEvent{.kind = SessionEvent::Kind::GameStarted});
    // Units alternate from the first side; a side's own units are never news to it.
    int side = session.firstSide();
    for (const int cell : session.moves()) {
        Hear(SessionEvent{.kind = SessionEvent::Kind::Moved,
                          .by = session.sides()[static_cast<std::size_t>(side)],
                          .cell = cell});
        side = 1 - side;
    }
}

void BattleLink::Hear(const SessionEvent& event) {
    using Kind = SessionEvent::Kind;
    const Session& session = link_->session();
    const bool byOther = event.by != session.role();
    switch (event.kind) {
        case Kind::GameStarted:
            if (session.role() == Peer::Guest) {
                const int localSide = session.sides()[0] == Peer::Guest ? 0 : 1;
                battle_.RemoteSetUp(session.terrain(), localSide, TurnOfSide(session.firstSide()));
            }
            break;
        case Kind::Moved:
            if (byOther) {
                battle_.RemoteMoved(event.cell);
            }
            break;
        case Kind::GameOver:
            // A game won or drawn on the board the battle judges itself.
            if (event.resigned && byOther) {
                battle_.RemoteResigned();
            }
            break;
        case Kind::UndoRequested:
            battle_.RemoteAskedUndo();
            break;
        case Kind::UndoAnswered:
            battle_.RemoteAnsweredUndo(event.accepted);
            break;
        case Kind::NextRequested:
            battle_.RemoteReady();
            break;
        case Kind::Invalid:
            notice_->Clear();
            battle_.RemoteInvalid();
            break;
        case Kind::Desynced:
            // Told as the other side's invalid data is: the match ends with a message on both
            // sides, which names what happened. Heard inside the battle's own tick when the
            // session refused what the tick asked, it wakes the screen again after that tick,
            // which may stop the timer as it ends.
            desynced_ = true;
            battle_.RemoteInvalid();
            QTimer::singleShot(0, this, [this] { wake_(); });
            break;
        case Kind::PeerQuit:
        case Kind::PeerBye:
        case Kind::Left:
        case Kind::TimedOut:
        case Kind::WrongCode:
        case Kind::VersionMismatch:
            notice_->Clear();
            battle_.RemoteLeft();
            break;
        case Kind::ChatReceived:
            // Beside the match: nothing for the battle to act on.
            emit chatHeard(event.text);
            return;
        case Kind::Dropped:
            notice_->ShowDropped();
            break;
        case Kind::Resumed:
            notice_->ShowResumed();
            break;
        case Kind::PeerHello:
        case Kind::Authenticated:
        case Kind::UndoApplied:
            break;
    }
    wake_();
}

bool BattleLink::Act(const std::function<bool(Session&)>& action, const char* what) {
    if (!link_) {
        return false;
    }
    if (link_->Act(action)) {
        return true;
    }
    // The battle and the session keep one game between them: once the session refuses what the
    // battle asks, they no longer agree, and the match ends for both sides.
    link_->Act([what](Session& session) {
        session.Desync(QStringLiteral("the battle asked for %1").arg(QLatin1String(what)));
        return true;
    });
    return false;
}

void BattleLink::SendMove(int cell) {
    Act([cell](Session& session) { return session.Move(cell); }, "a move");
}

bool BattleLink::SendUndoRequest() {
    if (link_ && !link_->session().HasMoved(link_->session().role())) {
        return false;  // nothing of this side's to take back: the battle goes on as it is
    }
    return Act([](Session& session) { return session.RequestUndo(); }, "an undo request");
}

void BattleLink::SendUndoAnswer(bool accept) {
    Act([accept](Session& session) { return session.AnswerUndo(accept); }, "an undo answer");
}

void BattleLink::SendSetup(const Board& terrain, int remoteSide, Turn first) {
    std::array<Peer, 2> sides{Peer::Host, Peer::Host};
    sides[static_cast<std::size_t>(remoteSide)] = Peer::Guest;
    Act([&](Session& session) { return session.StartGame(terrain, sides, SideNumber(first)); },
        "a setup");
}

void BattleLink::SendNext() {
    Act([](Session& session) { return session.RequestNextGame(); }, "the next game");
}

void BattleLink::SendQuit() {
    Act(
        [](Session& session) {
            session.Quit();
            return true;
        },
        "quit");
}

bool BattleLink::CanChat() const { return link_ && link_->session().CanChat(); }

bool BattleLink::SendChat(const QString& text) {
    return link_ &&
           link_->Act([&](Session& session) { return session.SendChat(text, link_->Now()); });
}

}  // namespace morvane

#include "moc_battle_link.cpp"
