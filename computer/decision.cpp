#include "computer/decision.h"

#include "rules/random.h"

namespace morvane {
namespace {

int DrawUniform(const CellList& cells) {
    if (cells.Empty()) {
        return 0;
    }
    return cells[RandomUpTo(cells.LastPosition())];
}

// Walks the list from its last cell back to its first. A cell whose row plus a random allowance
// of 0..3 beats the best row so far restarts the list with its plain row; a cell on the best
// row joins it.
int DrawLowRow(const CellList& cells) {
    int bestRow = 0;
    CellList lowest;
    for (int position = cells.LastPosition(); position >= 0; --position) {
        const int cell = cells[position];
        const int row = CellY(cell);
        const int allowance = RandomUpTo(2);
        const int value = row + allowance + RandomUpTo(1);
        if (value > bestRow) {
            lowest.Restart(cell);
            bestRow = row;
        } else if (row == bestRow) {
            lowest.Add(cell);
        }
    }
    return DrawUniform(lowest);
}

}  // namespace

int DrawCell(const Decision& decision) {
    switch (decision.kind) {
        case DecisionKind::Win:
        case DecisionKind::Block:
            return decision.cells[0];
        case DecisionKind::Any:
        case DecisionKind::Pick:
            return DrawUniform(decision.cells);
        case DecisionKind::LowRow:
            return DrawLowRow(decision.cells);
    }
    return 0;
}

}  // namespace morvane
