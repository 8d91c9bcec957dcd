#pragma once

#include <cstdint>
#include <vector>

#include "rules/board.h"

namespace morvane {

// A unit placed in the game under way, with what taking it back needs.
struct PlacedUnit {
    int cell = 0;
    std::int16_t previousCode = Empty;  // Empty, or Hollow when the unit used up a ◇
    Turn turn = kCircleTurn;            // the side that placed it
    bool byPerson = false;
    int turnStartCursor = 0;  // the cursor cell when that side's turn began
};

// The units placed in one game, oldest first, so that a person can take moves back and replay
// what they took back.
class MoveHistory {
public:
    void Clear() {
        units_.clear();
        undone_.clear();
    }
    // A new placement: what was taken back can no longer be replayed.
    void Record(const PlacedUnit& unit) {
        units_.push_back(unit);
        undone_.clear();
    }

    // The units that stand, oldest first.
    const std::vector<PlacedUnit>& Units() const { return units_; }

    bool CanTakeBack() const;
    bool CanReplay() const { return !undone_.empty(); }

    // Takes back the latest units down to and including the latest one a person placed: the
    // computer's replies and that person's own unit, or one unit when people play both sides.
    // Each cell gets its code from before the placement back. Returns the units taken, latest
    // first; none, and the board untouched, when no person has placed a unit.
    std::vector<PlacedUnit> TakeBackToPerson(Board& board);
    // The same down to and including the latest unit of one side, whoever played it.
    std::vector<PlacedUnit> TakeBackToSide(Board& board, Turn side);

    // Places again the units the latest take-back took, as they were placed. Returns them,
    // oldest first; none, and the board untouched, when nothing is left to replay.
    std::vector<PlacedUnit> Replay(Board& board);

private:
    // Takes back the units from the latest down to and including `last`.
    std::vector<PlacedUnit> TakeBackTo(Board& board,
                                       const std::vector<PlacedUnit>::reverse_iterator& last);

    std::vector<PlacedUnit> units_;
    // Each take-back's units, latest first, the latest take-back last.
    std::vector<std::vector<PlacedUnit>> undone_;
};

}  // namespace morvane
