#include "computer/threats.h"

#include <array>

#include "computer/search/cell_list.h"
#include "computer/steps.h"

namespace morvane {
namespace {

// The window directions from a unit, in the order they are tried.
constexpr std::array<Step, 8> kWindowSteps{{
    {0, -1},   // up
    {0, 1},    // down
    {-1, 0},   // left
    {1, 0},    // right
    {1, 1},    // down-right
    {-1, 1},   // down-left
    {-1, -1},  // up-left
    {1, -1},   // up-right
}};

constexpr int kWindowCells = 4;
// A cell on these top rows looks at its neighbour below, every other cell at the one above.
constexpr int kLastRowLookingDown = 2;

using MarkMap = std::array<bool, kCellCount>;

bool IsMarked(const MarkMap& marks, int cell) { return marks[static_cast<std::size_t>(cell)]; }

// Whether the window from the unit holds three of its units and one free cell.
bool IsThreat(const Board& board, int unit, Step step) {
    const std::int16_t code = board[unit];
    int matching = 0;
    int free = 0;
    for (int distance = 0; distance < kWindowCells; ++distance) {
        const std::int16_t cell = board[CellAlong(unit, step, distance)];
        if (cell == code) {
            ++matching;
        } else if (cell < CircleUnit) {
            ++free;
        }
    }
    return matching == 3 && free == 1;
}

// Marks the threat's cells one by one; the threat is stacked as soon as one of them, or its
// vertical neighbour, is already marked (the cells marked before that stay marked).
void CountThreat(int unit, Step step, MarkMap& marks, ThreatCount& count) {
    for (int distance = 0; distance < kWindowCells; ++distance) {
        const int cell = CellAlong(unit, step, distance);
        const int neighbour =
            CellY(cell) <= kLastRowLookingDown ? cell + kColumns : cell - kColumns;
        if (IsMarked(marks, cell) || IsMarked(marks, neighbour)) {
            ++count.stacked;
            return;
        }
        marks[static_cast<std::size_t>(cell)] = true;
    }
    ++count.single;
}

}  // namespace

ThreatCount CountThreats(const Board& board, Turn side) {
    const std::int16_t code = UnitCode(-side);
    MarkMap marks{};
    ThreatCount count;
    for (int unit = 0; unit < kCellCount; ++unit) {
        if (board[unit] != code) {
            continue;
        }
        for (const Step step : kWindowSteps) {
            if (ReachesThree(unit, step) && IsThreat(board, unit, step)) {
                CountThreat(unit, step, marks, count);
            }
        }
    }
    return count;
}

}  // namespace morvane
