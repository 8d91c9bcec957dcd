#pragma once

namespace morvane {

// The four ways a cell cursor moves on the board.
enum class CursorStep { Up, Down, Left, Right };

// The cell one step from cell (an index of the 8 × 12 board). A step off an edge comes back in
// at the opposite edge of the same row or column: Up from row 1 reaches row 12, Right from
// column 8 reaches column 1.
int StepCursor(int cell, CursorStep step);

}  // namespace morvane
