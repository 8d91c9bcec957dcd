#pragma once

#include <optional>

#include "computer/decision.h"
#include "rules/board.h"
#include "rules/terrain_option.h"
#include "rules/yield_hook.h"

namespace morvane {

// The four strengths. Each plays for turn on the position it is given, tries units only on its
// own copies, and yields between trials. Each returns its decision before the final draw, or
// nothing when yield asked to abandon.

// EASY: after the opening steps, any safe cell with equal chance.
std::optional<Decision> ThinkEasy(const Board& board, Turn turn, const YieldHook& yield);

// NORMAL: the safe cells where the opponent's line potential would grow most, narrowed to
// those where the computer's own unit keeps it lowest.
std::optional<Decision> ThinkNormal(const Board& board, Turn turn, const YieldHook& yield);

// HARD: the safe cells where the opponent would make the most threats, narrowed to those
// where the computer's own unit makes the most threats of its own.
std::optional<Decision> ThinkHard(const Board& board, Turn turn, const YieldHook& yield);

// ⅲ: a move that creates new winning cells; else the cells the opponent wants, that keep the
// opponent's winning cells down and add to the computer's own, preferring low cells while the
// board is fairly empty (or always when terrain is on).
std::optional<Decision> ThinkExpert(const Board& board, Turn turn, TerrainOption terrain,
                                    const YieldHook& yield);

}  // namespace morvane
