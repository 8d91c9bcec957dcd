#include "match/model/battle_watch.h"

namespace morvane {
namespace {

bool IsUnit(int code) { return code == CircleUnit || code == CrossUnit; }
bool IsWinMark(int code) { return code == CircleWin || code == CrossWin; }
bool Waits(BattleState state) {
    return state == BattleState::WaitMouse || state == BattleState::WaitKeyboard;
}

}  // namespace

void BattleWatch::HintAsked(const Battle& battle) {
    // The battle took the request when it could take one and now waits on the answer.
    hintWaiting_ = hintWaiting_ || (couldHint_ && !battle.CanHint());
}

std::vector<BattleEvent> BattleWatch::Look(const Battle& battle,
                                           const std::array<PlayerKind, 2>& kinds) {
    const Board& board = battle.ShownBoard();
    const BattleState state = battle.State();
    std::vector<BattleEvent> events;
    if (looked_) {
        // Units come in when placed, or when a take-back is replayed; a board being set up for
        // a game is no placement.
        const bool placing = state == BattleState::Place || Waits(state);
        std::vector<int> line;
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int before = board_[cell];
            const int now = board[cell];
            if (placing && IsUnit(now) && (before == Empty || before == Hollow)) {
                BattleEvent placed{BattleEvent::Kind::UnitPlaced};
                placed.cell = cell;
                placed.turn = now == CircleUnit ? kCircleTurn : kCrossTurn;
                placed.intoHollow = before == Hollow;
                events.push_back(placed);
            }
            if (IsWinMark(now) && !IsWinMark(before)) {
                line.push_back(cell);
            }
        }
        // A placement turned down leaves the board as it was and the turn waiting again.
        if (state_ == BattleState::Place && Waits(state)) {
            events.push_back({BattleEvent::Kind::Refused});
        }
        if (!line.empty()) {
            const int winner = board[line.front()] == CircleWin ? 0 : 1;
            // The person at this machine lost to the computer or to the other side of a network.
            const bool personLost = !IsLocalPerson(kinds[static_cast<std::size_t>(winner)]) &&
                                    IsLocalPerson(kinds[static_cast<std::size_t>(1 - winner)]);
            BattleEvent end{personLost ? BattleEvent::Kind::Lost : BattleEvent::Kind::Won};
            end.line = line;
            events.push_back(end);
        } else if (state == BattleState::Judge && state_ != BattleState::Judge &&
                   !battle.GameUnderWay()) {
            events.push_back({BattleEvent::Kind::Drawn});
        }
        if (hintWaiting_ && battle.CanHint()) {
            events.push_back({BattleEvent::Kind::HintArrived});
        }
    }
    // A hint left behind by a new game never arrives.
    hintWaiting_ = hintWaiting_ && !battle.CanHint() && Waits(state);
    looked_ = true;
    board_ = board;
    state_ = state;
    couldHint_ = battle.CanHint();
    return events;
}

}  // namespace morvane
