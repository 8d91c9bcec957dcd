#pragma once

#include "rules/board.h"

namespace morvane {

// A unit step across the board, rows counted downwards.
struct Step {
    int dx;
    int dy;
};

// Whether the three cells at distances 1, 2 and 3 from the cell all lie on the board. Steps
// that would run off the board are skipped, never shortened.
constexpr bool ReachesThree(int cell, Step step) {
    const int x = CellX(cell) + 3 * step.dx;
    const int y = CellY(cell) + 3 * step.dy;
    return x >= 1 && x <= kColumns && y >= 1 && y <= kRows;
}

// The cell at the given distance along the step (which must lie on the board).
constexpr int CellAlong(int cell, Step step, int distance) {
    return cell + distance * (step.dy * kColumns + step.dx);
}

}  // namespace morvane
