#include "match/model/searched_cell.h"

#include <cassert>

#include "computer/computer_move.h"
#include "match/model/battle_log.h"

namespace morvane {

int PlaceableSearchedCell(const Board& board, Turn turn, int searched) {
    if (searched >= 0 && searched < kCellCount && CanPlace(board, searched)) {
        return searched;
    }
    // The rule-based strengths take microseconds: the window thread can wait for this one.
    const int chosen = ComputerMove(board, turn, ComputerLevel::Hard, TerrainOption::Off);
    qCWarning(battleLog,
              "the search answered no placeable cell (%d) for %s; HARD's choice %d stands in",
              searched, turn == kCircleTurn ? "circle" : "cross", chosen);
    assert(CanPlace(board, chosen));
    return chosen;
}

}  // namespace morvane
