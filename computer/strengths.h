#pragma once

#include "computer/decision.h"
#include "rules/board.h"
#include "rules/terrain_option.h"

namespace morvane {

// The four strengths. Each plays for turn on the position it is given, tries units only on its
// own copies, and returns its decision before the final draw.

// EASY: after the opening steps, any safe cell with equal chance.
Decision ThinkEasy(const Board& board, Turn turn);

// NORMAL: the safe cells where the opponent's line potential would grow most, narrowed to
// those where the computer's own unit keeps it lowest.
Decision ThinkNormal(const Board& board, Turn turn);

// HARD: the safe cells where the opponent would make the most threats, narrowed to those
// where the computer's own unit makes the most threats of its own.
Decision ThinkHard(const Board& board, Turn turn);

// ⅲ: a move that creates new winning cells; else the cells the opponent wants, that keep the
// opponent's winning cells down and add to the computer's own, preferring low cells while the
// board is fairly empty (or always when terrain is on).
Decision ThinkExpert(const Board& board, Turn turn, TerrainOption terrain);

}  // namespace morvane
