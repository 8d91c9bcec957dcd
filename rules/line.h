#pragma once

#include <cstdint>

#include "rules/board.h"

namespace morvane {

// Whether the code in the cell completes a run of four or more equal codes through it on some
// axis (vertical, horizontal, rising or falling diagonal), counting up to three cells on each
// side. Exact codes are compared, whatever the cell holds: an empty cell among empty cells
// completes a "line" of empty cells. A fixed-size scan with no allocation: the computer asks
// it very often.
bool CompletesLine(const Board& board, int index);

// The same question for a unit with the given code in the cell, whatever the cell holds now:
// the answer CompletesLine would give once the code is written there.
bool CompletesLine(const Board& board, int index, std::int16_t code);

// Marks a won board: the cells counted on every axis where the cell completes a line, and the
// cell itself, are highlighted, then every other unit is greyed. Only units (○ and ×) are
// highlighted: a run of other equal codes keeps them. A cell that completes no line leaves the
// board as it is.
void MarkLine(Board& board, int index);

// The result of judging a placement.
enum class Outcome { Continue, Win, Draw };

// Judges the cell that has just received the mover's unit: a line wins (board marked), else no
// free cell left is a draw (every unit greyed), else the game goes on. A win beats a draw.
Outcome JudgePlacement(Board& board, int index);

// Greys every unit on the board (the draw marking).
void DimAllUnits(Board& board);

}  // namespace morvane
