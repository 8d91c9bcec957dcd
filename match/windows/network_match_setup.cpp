#include "match/windows/network_match_setup.h"

#include <utility>

#include "match/model/battle.h"
#include "match/windows/battle_link.h"
#include "net/socket/net_link.h"

namespace morvane {

NetworkMatchSetup::NetworkMatchSetup(Battle& battle, QWidget* screen, NetworkGameFunction hostGame,
                                     NetworkGameFunction joinGame, std::function<void()> wake)
    : QObject(screen),
      battle_(battle),
      screen_(screen),
      hostGame_(std::move(hostGame)),
      joinGame_(std::move(joinGame)),
      wake_(std::move(wake)) {}

void NetworkMatchSetup::Start(NetLink* link, std::optional<PlayerKind> local) {
    if (link->session().role() == Peer::Host) {
        waitingLink_ = link;
        entrySide_ = 1;
        toldLocal_ = local;
    } else {
        PlayOver(link, local.value_or(PlayerKind::Mouse));
    }
}

std::optional<PlayerKind> NetworkMatchSetup::TakeToldLocal() {
    const std::optional<PlayerKind> local = std::exchange(toldLocal_, std::nullopt);
    if (!local || !waitingLink_) {
        return std::nullopt;
    }
    entrySide_.reset();
    PlayOver(std::exchange(waitingLink_, nullptr));
    return local;
}

EntryNetwork NetworkMatchSetup::EntryOffer() {
    return {static_cast<bool>(hostGame_) || waitingLink_, std::exchange(entrySide_, std::nullopt)};
}

bool NetworkMatchSetup::HostAfterEntry() {
    NetLink* link = waitingLink_ ? waitingLink_.get()
                    : hostGame_  ? hostGame_(screen_, screen_)
                                 : nullptr;
    waitingLink_ = nullptr;
    if (!link) {
        return false;
    }
    PlayOver(link);
    return true;
}

void NetworkMatchSetup::DropWaitingLink() {
    if (waitingLink_) {
        waitingLink_->Act([](Session& session) {
            session.Quit();
            return true;
        });
        waitingLink_ = nullptr;
    }
}

bool NetworkMatchSetup::Join() {
    NetLink* link = joinGame_(screen_, screen_);
    if (!link) {
        return false;
    }
    PlayOver(link);
    return true;
}

void NetworkMatchSetup::Close() {
    if (link_) {
        link_->Close();
    }
    DropWaitingLink();
}

void NetworkMatchSetup::PlayOver(NetLink* link, PlayerKind local) {
    if (link_) {
        link_->Close();
        link_->deleteLater();
        // The old link has no more questions to answer.
        QObject::disconnect(&battle_, nullptr, link_, nullptr);
    }
    link_ = new BattleLink(link, battle_, screen_, wake_);
    connect(link_, &BattleLink::chatHeard, this,
            [this](const QString& text) { emit chatLine(false, text); });
    battle_.PlayNetwork(*link_, link_->role(), link_->ownName(), link_->peerName(), local);
    link_->CatchUp();
    if (link->session().state() == Session::State::Closed) {
        battle_.RemoteLeft();  // it left before the match began
    }
}

bool NetworkMatchSetup::CanChat() const { return link_ && link_->CanChat(); }

bool NetworkMatchSetup::SendChat(const QString& text) {
    if (!link_ || !link_->SendChat(text)) {
        return false;
    }
    emit chatLine(true, text);
    return true;
}

QString NetworkMatchSetup::GivenName(bool mine) const {
    if (!link_) {
        return {};
    }
    return mine ? link_->ownName() : link_->peerName();
}

}  // namespace morvane

#include "moc_network_match_setup.cpp"
