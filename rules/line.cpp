#include "rules/line.h"

#include <array>

namespace morvane {
namespace {

struct Direction {
    int dx;
    int dy;
    int axis;  // 0 vertical, 1 horizontal, 2 rising diagonal, 3 falling diagonal
};

// The fixed visiting order of the eight directions.
constexpr std::array<Direction, 8> kDirections{{
    {0, -1, 0},   // up
    {0, 1, 0},    // down
    {-1, 0, 1},   // left
    {1, 0, 1},    // right
    {1, -1, 2},   // up-right
    {-1, 1, 2},   // down-left
    {-1, -1, 3},  // up-left
    {1, 1, 3},    // down-right
}};

constexpr int kAxes = 4;
constexpr int kReach = 3;               // cells looked at on each side
constexpr int kAxisCells = 2 * kReach;  // at most this many neighbours per axis
constexpr int kLineNeighbours = 3;      // neighbours that make four in a row

bool OnBoard(int x, int y) { return x >= 1 && x <= kColumns && y >= 1 && y <= kRows; }

}  // namespace

void DimAllUnits(Board& board) {
    for (std::int16_t& code : board.cells) {
        if (code == CircleUnit || code == CrossUnit) {
            code = static_cast<std::int16_t>(code + kDimMarkOffset);
        }
    }
}

bool CheckLine(Board& board, int index, bool mark) {
    const int x = CellX(index);
    const int y = CellY(index);
    const std::int16_t code = board[index];

    std::array<bool, kDirections.size()> open{};
    open.fill(true);
    std::array<int, kAxes> counts{};
    std::array<std::array<int, kAxisCells>, kAxes> lineCells{};

    for (int d = 1; d <= kReach; ++d) {
        for (std::size_t k = 0; k < kDirections.size(); ++k) {
            if (!open[k]) {
                continue;
            }
            const Direction& dir = kDirections[k];
            const int nx = x + dir.dx * d;
            const int ny = y + dir.dy * d;
            if (!OnBoard(nx, ny)) {
                continue;  // a direction that leaves the board simply stops counting
            }
            const int neighbour = CellIndex(nx, ny);
            if (board[neighbour] == code) {
                const auto axis = static_cast<std::size_t>(dir.axis);
                lineCells[axis][static_cast<std::size_t>(counts[axis])] = neighbour;
                ++counts[axis];
            } else {
                open[k] = false;
            }
        }
    }

    bool found = false;
    for (std::size_t axis = 0; axis < kAxes; ++axis) {
        if (counts[axis] < kLineNeighbours) {
            continue;
        }
        found = true;
        if (mark) {
            for (int n = 0; n < counts[axis]; ++n) {
                std::int16_t& cell = board[lineCells[axis][static_cast<std::size_t>(n)]];
                cell = static_cast<std::int16_t>(cell + kWinMarkOffset);
            }
        }
    }

    if (mark && found) {
        board[index] = static_cast<std::int16_t>(board[index] + kWinMarkOffset);
        DimAllUnits(board);
    }
    return found;
}

Outcome JudgePlacement(Board& board, int index) {
    if (CheckLine(board, index, true)) {
        return Outcome::Win;
    }
    if (CountFreeCells(board) < 1) {
        DimAllUnits(board);
        return Outcome::Draw;
    }
    return Outcome::Continue;
}

}  // namespace morvane
