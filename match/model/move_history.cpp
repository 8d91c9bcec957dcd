#include "match/model/move_history.h"

#include <algorithm>

namespace morvane {

std::vector<PlacedUnit> MoveHistory::TakeBackToPerson(Board& board) {
    const auto person = std::find_if(units_.rbegin(), units_.rend(),
                                     [](const PlacedUnit& unit) { return unit.byPerson; });
    if (person == units_.rend()) {
        return {};
    }
    std::vector<PlacedUnit> taken(units_.rbegin(), std::next(person));
    for (const PlacedUnit& unit : taken) {
        board[unit.cell] = unit.previousCode;
    }
    units_.erase(std::next(person).base(), units_.end());
    return taken;
}

}  // namespace morvane
