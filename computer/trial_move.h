#pragma once

#include <cstdint>

#include "rules/board.h"

namespace morvane {

// A trial unit written into one cell for as long as the guard lives; the cell's old code comes
// back when it goes out of scope, so every return path (including an abandoned search) leaves
// the board as it was. Trials nest and are undone in reverse order of their making.
class TrialMove {
public:
    TrialMove(Board& board, int cell, std::int16_t code)
        : board_(board), cell_(cell), saved_(board[cell]) {
        board_[cell_] = code;
    }
    ~TrialMove() { board_[cell_] = saved_; }

    TrialMove(const TrialMove&) = delete;
    TrialMove& operator=(const TrialMove&) = delete;

private:
    Board& board_;
    int cell_;
    std::int16_t saved_;
};

}  // namespace morvane
