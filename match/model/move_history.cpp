#include "match/model/move_history.h"

#include <algorithm>

namespace morvane {
namespace {

bool ByPerson(const PlacedUnit& unit) { return unit.byPerson; }

}  // namespace

bool MoveHistory::CanTakeBack() const { return std::ranges::any_of(units_, ByPerson); }

std::vector<PlacedUnit> MoveHistory::TakeBackToPerson(Board& board) {
    return TakeBackTo(board, std::find_if(units_.rbegin(), units_.rend(), ByPerson));
}

std::vector<PlacedUnit> MoveHistory::TakeBackToSide(Board& board, Turn side) {
    return TakeBackTo(board,
                      std::ranges::find(units_.rbegin(), units_.rend(), side, &PlacedUnit::turn));
}

std::vector<PlacedUnit> MoveHistory::TakeBackTo(
    Board& board, const std::vector<PlacedUnit>::reverse_iterator& last) {
    if (last == units_.rend()) {
        return {};
    }
    std::vector<PlacedUnit> taken(units_.rbegin(), std::next(last));
    for (const PlacedUnit& unit : taken) {
        board[unit.cell] = unit.previousCode;
    }
    units_.erase(std::next(last).base(), units_.end());
    undone_.push_back(taken);
    return taken;
}

std::vector<PlacedUnit> MoveHistory::Replay(Board& board) {
    if (undone_.empty()) {
        return {};
    }
    std::vector<PlacedUnit> replayed(undone_.back().rbegin(), undone_.back().rend());
    undone_.pop_back();
    for (const PlacedUnit& unit : replayed) {
        board[unit.cell] = UnitCode(unit.turn);
        units_.push_back(unit);
    }
    return replayed;
}

}  // namespace morvane
