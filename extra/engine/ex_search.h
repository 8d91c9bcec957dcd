#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "extra/engine/ex_board.h"

namespace morvane {

// The weights of the computer's look-ahead, by the level (0..3) of the node that is judged.
// Levels 0 and 2 are the computer's own plies, 1 and 3 the Mouse side's replies.
inline constexpr int kExSearchLevels = 4;
inline constexpr int kExOwnLineWeight = 40;    // x (4 - level): 160 at level 0, 80 at level 2
inline constexpr int kExMouseLineWeight = 50;  // x (4 - level): 150 at level 1, 50 at level 3
inline constexpr int kExFullBoardWeight = 2;   // no line, the board is full: a draw
inline constexpr int kExOpenBoardWeight = 1;   // no line, the game would go on
inline constexpr int kExProgressStart = 100;   // the "残" share before any cell is rated

// The ratings of one move. Only legal cells' entries mean anything.
struct ExScores {
    std::array<std::int32_t, kExCellCount> scores{};
    // Set when a candidate completes a run at once: rating stopped there, every other score is 0.
    std::optional<int> winCell;

    friend bool operator==(const ExScores&, const ExScores&) = default;
};

// Told the share of cells still to be rated ("残"): 100 before the first candidate, then
// 100 - i after the candidate in cell i has been rated.
using ExProgress = std::function<void(int percentLeft)>;

// Rates every cell the computer (ExOtherUnit) may play: the sum of the weights of every node of
// the four-ply tree below it, in ascending cell order, stopping at the first cell that wins at
// once. It takes microseconds: progress is reported synchronously, for the window to draw.
ExScores ExRateCells(const ExBoard& board, const ExProgress& progress = {});

// The legal cells whose score is the best among the legal cells, in ascending order.
std::vector<int> ExBestCells(const ExBoard& board, const ExScores& scores);

// The computer's move: rates the cells, then puts ExOtherUnit into one of the best cells drawn
// at random with equal chance, and returns that cell. When there is no legal cell, the board is
// left as it was and nothing is returned.
std::optional<int> ExComputerMove(ExBoard& board, const ExProgress& progress = {});

}  // namespace morvane
