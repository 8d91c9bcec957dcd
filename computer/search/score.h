#pragma once

namespace morvane {

// Scores are from the side to move's point of view. A proven win scores kWinScore or more and
// a proven loss -kWinScore or less; the sooner the win, the higher the score, because it says
// how many free cells are left: a win by the move made with f free cells (that move's cell
// included) scores kWinScore + f - 1, a game already won before any move kWinScore + free.
// Heuristic scores stay well inside (-kWinScore, kWinScore); a draw scores 0.
inline constexpr int kWinScore = 10000;

constexpr bool IsDecisive(int score) { return score >= kWinScore || score <= -kWinScore; }

// The score of a win by the move made with `free` free cells.
constexpr int WinScore(int free) { return kWinScore + free - 1; }

// Plies from a position with `free` free cells to the end of the game that a decisive score
// says (0 when the game is already over).
constexpr int PliesToEnd(int score, int free) {
    const int won = score >= 0 ? score : -score;
    return free - won + kWinScore;
}

}  // namespace morvane
