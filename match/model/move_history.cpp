#include "match/model/move_history.h"

#include <algorithm>

namespace morvane {
namespace {

bool ByPerson(const PlacedUnit& unit) { return unit.byPerson; }

}  // namespace

bool MoveHistory::CanTakeBack() const { return std::ranges::any_of(units_, ByPerson); }

std::vector<PlacedUnit> MoveHistory::TakeBackToPerson(Board& board) {
    const auto person = std::find_if(units_.rbegin(), units_.rend(), ByPerson);
    if (person == units_.rend()) {
        return {};
    }
    std::vector<PlacedUnit> taken(units_.rbegin(), std::next(person));
    for (const PlacedUnit& unit : taken) {
        board[unit.cell] = unit.previousCode;
    }
    units_.erase(std::next(person).base(), units_.end());
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
