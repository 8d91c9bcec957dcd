#pragma once

#include "rules/board.h"

namespace morvane {

// Whether the cell completes a run of four or more equal codes through it on some axis
// (vertical, horizontal, rising or falling diagonal), counting up to three cells on each side.
// With mark true and a line found, the board is marked: the counted cells of every qualifying
// axis and the tested cell are highlighted, and every other unit is greyed. With mark false the
// board is never changed. A fixed-size scan with no allocation: the computer calls it often.
bool CheckLine(Board& board, int index, bool mark);

// The result of judging a placement.
enum class Outcome { Continue, Win, Draw };

// Judges the cell that has just received the mover's unit: a line wins (board marked), else no
// free cell left is a draw (every unit greyed), else the game goes on. A win beats a draw.
Outcome JudgePlacement(Board& board, int index);

// Greys every unit on the board (the draw marking).
void DimAllUnits(Board& board);

}  // namespace morvane
