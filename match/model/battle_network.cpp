// The battle's network match: what changes when one side plays at another machine.

#include <algorithm>
#include <utility>

#include "match/model/battle.h"
#include "match/model/battle_log.h"
#include "match/model/first_player.h"
#include "match/model/game_record.h"
#include "match/model/player_entry.h"

namespace morvane {

void Battle::PlayNetwork(RemotePeer& peer, NetworkRole role, const QString& ownName,
                         const QString& peerName, PlayerKind local) {
    net_.emplace(NetworkMatch{&peer, role, ownName, peerName, local, {}, false});
    // A network match is a match of its own: its rounds and wins count from the start.
    state_.roundCount = 0;
    if (role == NetworkRole::Host) {
        // The host sets the first game up as soon as it gets there.
        net_->news.ready = true;
        ShowPlayers();
    } else {
        Abandon();
        aid_ = Aid::None;
        nextState_ = BattleState::SetUpGame;
    }
    qCDebug(battleLog) << "network match as" << (role == NetworkRole::Host ? "host" : "guest");
}

void Battle::RemoteMoved(int cell) {
    if (net_) {
        net_->news.moves.push_back(cell);
    }
}

void Battle::RemoteAskedUndo() {
    if (net_) {
        net_->news.undoAsked = true;
    }
}

void Battle::RemoteAnsweredUndo(bool accepted) {
    if (net_) {
        net_->news.undoAnswer = accepted;
    }
}

void Battle::RemoteResigned() {
    if (net_) {
        net_->news.resigned = true;
    }
}

void Battle::RemoteReady() {
    if (net_) {
        net_->news.ready = true;
    }
}

void Battle::RemoteSetUp(const Board& terrain, int localSide, Turn first) {
    if (net_) {
        net_->news.setup = RemoteNews::Setup{terrain, localSide, first};
    }
}

void Battle::RemoteLeft() {
    if (net_ && net_->news.ending == RemoteNews::Ending::None) {
        net_->news.ending = RemoteNews::Ending::Left;
    }
}

void Battle::RemoteInvalid() {
    if (net_) {
        net_->news.ending = RemoteNews::Ending::Invalid;
    }
}

std::optional<int> Battle::RemoteSide() const {
    const auto& kinds = state_.players.kind;
    const auto remote = std::ranges::find(kinds, PlayerKind::Network);
    if (remote == kinds.end()) {
        return std::nullopt;
    }
    return static_cast<int>(remote - kinds.begin());
}

bool Battle::HearEnding() {
    RemoteNews& news = net_->news;
    // What the other side did before it went is played out first, to the game's result.
    switch (curState_) {
        case BattleState::MoveCursor:
        case BattleState::Place:
        case BattleState::Judge:
        case BattleState::GameOver:
            return false;
        default:
            break;
    }
    if (!news.moves.empty()) {
        return false;
    }
    switch (news.ending) {
        case RemoteNews::Ending::Invalid:
            Ask(BattleQuestion::PeerInvalid);
            emit peerInvalidTold();
            return true;
        case RemoteNews::Ending::Left:
            Ask(BattleQuestion::PeerLeft);
            emit peerLeftAsked(RemoteSide().has_value());
            return true;
        case RemoteNews::Ending::None:
            break;
    }
    // A resignation ends the game while a turn goes on; one that crossed the game's last unit
    // is left for the next game's terms to clear.
    if (!news.resigned || !game_ || !TurnGoesOn()) {
        return false;
    }
    news.resigned = false;
    aid_ = Aid::None;
    net_->undoRequested = false;
    const int side = 1 - RemoteSide().value_or(1);
    const GameEnd end = side == 0 ? GameEnd::CircleWins : GameEnd::CrossWins;
    game_->end = end;
    emit gameCounted(end, game_->id);
    info_.CutPage();
    info_.ClearPending();
    info_.AddInfo(tr("対戦相手が投了しました。"));
    info_.AddSeparator();
    EndWithWin(side);
    return true;
}

std::optional<int> Battle::HearRemoteTurn() {
    RemoteNews& news = net_->news;
    if (news.undoAsked) {
        news.undoAsked = false;
        Ask(BattleQuestion::PeerUndo);
        emit peerUndoAsked();
        return std::nullopt;
    }
    if (news.moves.empty()) {
        return std::nullopt;
    }
    const int cell = news.moves.front();
    news.moves.pop_front();
    return cell;
}

void Battle::AnswerPeerUndo(bool allow) {
    if (!Answering(BattleQuestion::PeerUndo)) {
        return;
    }
    net_->peer->SendUndoAnswer(allow);
    if (allow) {
        // Back to before the other side's last unit, which is then its turn again.
        ShowTakenBack(history_.TakeBackToSide(state_.board, state_.turn));
    }
}

void Battle::AnswerPeerLeft(std::optional<ComputerLevel> level) {
    if (!Answering(BattleQuestion::PeerLeft)) {
        return;
    }
    if (level && RemoteSide()) {
        HandOver(*level);
    } else {
        EndNetworkMatch();
    }
}

void Battle::AnswerPeerInvalid() {
    if (Answering(BattleQuestion::PeerInvalid)) {
        EndNetworkMatch();
    }
}

bool Battle::ServeRemoteTakeBack() {
    if (!net_->undoRequested) {
        if (!net_->peer->SendUndoRequest()) {
            return true;  // nothing the other side could be asked to take back
        }
        net_->undoRequested = true;
        info_.CutPage();
        info_.ClearPending();
        info_.AddInfo(tr("待ったを申し込みました。"));
        info_.AddSeparator();
        info_.SetPending(tr("Ｗａｉｔ．．．"));
        return false;
    }
    if (!net_->news.undoAnswer) {
        return false;
    }
    const bool accepted = *std::exchange(net_->news.undoAnswer, std::nullopt);
    net_->undoRequested = false;
    if (accepted) {
        TakeBackUnits();
    } else {
        RestartTurnWith({tr("待ったは断られました。")});
    }
    return true;
}

bool Battle::TermsArrived() {
    RemoteNews& news = net_->news;
    const bool arrived = net_->role == NetworkRole::Host ? news.ready : news.setup.has_value();
    if (!arrived) {
        if (prevState_ != BattleState::SetUpGame) {
            info_.CutPage();
            info_.ClearPending();
            info_.SetPending(tr("Ｗａｉｔ．．．"));
        }
        return false;
    }
    // What was said about the last game has no more meaning; the next game's moves may have
    // come already.
    news.ready = false;
    news.resigned = false;
    news.undoAsked = false;
    news.undoAnswer.reset();
    net_->undoRequested = false;
    return true;
}

void Battle::TakeRemoteTerms() {
    const RemoteNews::Setup setup = *std::exchange(net_->news.setup, std::nullopt);
    std::array<PlayerKind, 2> kinds{PlayerKind::Network, PlayerKind::Network};
    kinds[static_cast<std::size_t>(setup.localSide)] = net_->local;
    SetPlayers(state_, kinds);
    ShowPlayers();
    background_ = StrongestPlays(state_.players) ? BattleBackground::Red : BattleBackground::Blue;
    state_.board = setup.terrain;
    state_.turn = state_.lastFirst = setup.first;
}

void Battle::HandOver(ComputerLevel level) {
    const int remote = *RemoteSide();
    const auto r = static_cast<std::size_t>(remote);
    const PlayerKind kind = ComputerKind(level);
    state_.players.kind[r] = kind;
    state_.players.picture[r] = PlayerPicture(remote, kind);
    state_.computerLevel = level;
    if (game_) {
        game_->players = state_.players.kind;
        game_->pictures = state_.players.picture;
    }
    // A take-back asked for and unanswered is served as in any game against the computer.
    net_.reset();
    ShowPlayers();
    background_ = StrongestPlays(state_.players) ? BattleBackground::Red : BattleBackground::Blue;
    qCDebug(battleLog) << "the other side left; the computer plays side" << remote;
}

void Battle::EndNetworkMatch() {
    Abandon();
    net_->peer->SendQuit();
    quitChosen_ = true;
}

}  // namespace morvane
