#include "computer/line_potential.h"

#include <array>

#include "computer/search/cell_list.h"
#include "computer/steps.h"

namespace morvane {
namespace {

// The rays of a unit, in the order they are summed.
constexpr std::array<Step, 8> kRays{{
    {0, -1},   // up
    {0, 1},    // down
    {-1, 0},   // left
    {-1, -1},  // up-left
    {-1, 1},   // down-left
    {1, 0},    // right
    {1, -1},   // up-right
    {1, 1},    // down-right
}};

constexpr int kRayLength = 3;

CellList UnitsOf(const Board& board, std::int16_t code) {
    CellList units;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board[cell] == code) {
            units.Add(cell);
        }
    }
    return units;
}

// First pass: the rows of the ray's own units and of its reachable free cells, up to the
// first free cell that cannot be reached.
int FirstPassValue(const Board& board, int unit, Step ray) {
    const std::int16_t code = board[unit];
    int value = 0;
    for (int distance = 1; distance <= kRayLength; ++distance) {
        const int cell = CellAlong(unit, ray, distance);
        if (board[cell] == code) {
            value += CellY(cell);
        } else if (board[cell] >= CircleUnit) {
            return 0;
        } else if (ReachWeight(board, cell) == 0) {
            return value;
        } else {
            value += CellY(cell);
        }
    }
    return value;
}

// Second pass: own units weigh their row plus one, free cells their reach weight; the ray
// ends once its value comes to exactly 0.
int SecondPassValue(const Board& board, int unit, Step ray) {
    const std::int16_t code = board[unit];
    int value = 0;
    for (int distance = 1; distance <= kRayLength; ++distance) {
        const int cell = CellAlong(unit, ray, distance);
        if (board[cell] == code) {
            value += CellY(cell) + 1;
        } else if (board[cell] >= CircleUnit) {
            return 0;
        } else {
            value += ReachWeight(board, cell);
            if (value == 0) {
                return 0;
            }
        }
    }
    return value;
}

}  // namespace

int ReachWeight(const Board& board, int cell) {
    if (board[cell] >= CircleUnit) {
        return 0;
    }
    int weight = 3 * CellY(cell);
    for (int below = cell; below < kCellCount; below += kColumns) {
        if (CanPlace(board, below)) {
            return weight;
        }
        --weight;
    }
    return weight;
}

int LinePotential(const Board& board, Turn side) {
    const CellList units = UnitsOf(board, UnitCode(-side));
    int total = 0;
    for (const int unit : units) {
        for (const Step ray : kRays) {
            if (ReachesThree(unit, ray)) {
                total += FirstPassValue(board, unit, ray);
            }
        }
    }
    for (const int unit : units) {
        for (const Step ray : kRays) {
            if (ReachesThree(unit, ray)) {
                total += SecondPassValue(board, unit, ray);
            }
        }
    }
    return total;
}

}  // namespace morvane
