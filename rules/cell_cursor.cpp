#include "rules/cell_cursor.h"

#include <cassert>

#include "rules/board.h"

namespace morvane {
namespace {

// The coordinate one step on from position along a line of count cells (1..count), wrapping.
int Wrapped(int position, int count) { return (position - 1 + count) % count + 1; }

}  // namespace

int StepCursor(int cell, CursorStep step) {
    assert(cell >= 0 && cell < kCellCount);
    int x = CellX(cell);
    int y = CellY(cell);
    switch (step) {
        case CursorStep::Up:
            y = Wrapped(y - 1, kRows);
            break;
        case CursorStep::Down:
            y = Wrapped(y + 1, kRows);
            break;
        case CursorStep::Left:
            x = Wrapped(x - 1, kColumns);
            break;
        case CursorStep::Right:
            x = Wrapped(x + 1, kColumns);
            break;
    }
    return CellIndex(x, y);
}

}  // namespace morvane
