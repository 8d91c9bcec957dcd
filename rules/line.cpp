#include "rules/line.h"

#include <array>

namespace morvane {
namespace {

struct Direction {
    int dx;
    int dy;
};

// The four axes, each as its two opposite directions: vertical, horizontal, rising diagonal,
// falling diagonal.
constexpr std::size_t kAxes = 4;
constexpr std::array<std::array<Direction, 2>, kAxes> kAxisDirections{{
    {{{0, -1}, {0, 1}}},   // up, down
    {{{-1, 0}, {1, 0}}},   // left, right
    {{{1, -1}, {-1, 1}}},  // up-right, down-left
    {{{-1, -1}, {1, 1}}},  // up-left, down-right
}};

constexpr int kReach = 3;               // cells looked at on each side
constexpr int kAxisCells = 2 * kReach;  // at most this many neighbours per axis
constexpr int kLineNeighbours = 3;      // neighbours that make four in a row

// For every cell, axis and direction, how many of the kReach cells along it lie on the board,
// so that the scan never steps off the board and needs no coordinates.
using StepsOnBoard = std::array<std::array<std::array<std::int8_t, 2>, kAxes>, kCellCount>;

constexpr bool OnBoard(int x, int y) { return x >= 1 && x <= kColumns && y >= 1 && y <= kRows; }

constexpr StepsOnBoard MakeStepsOnBoard() {
    StepsOnBoard table{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (std::size_t axis = 0; axis < kAxes; ++axis) {
            for (std::size_t side = 0; side < 2; ++side) {
                const Direction dir = kAxisDirections[axis][side];
                std::int8_t steps = 0;
                for (int d = 1;
                     d <= kReach && OnBoard(CellX(cell) + dir.dx * d, CellY(cell) + dir.dy * d);
                     ++d) {
                    steps = static_cast<std::int8_t>(d);
                }
                table[static_cast<std::size_t>(cell)][axis][side] = steps;
            }
        }
    }
    return table;
}

constexpr StepsOnBoard kStepsOnBoard = MakeStepsOnBoard();

constexpr bool IsUnit(std::int16_t code) { return code == CircleUnit || code == CrossUnit; }

// The neighbours of the cell along one axis that hold `code`, walking each direction from the
// cell up to the first cell that does not (at most kReach each way); onMatch sees each of them.
// Returns how many there are.
template <typename OnMatch>
int CountAxisRun(const Board& board, int index, std::size_t axis, std::int16_t code,
                 const OnMatch& onMatch) {
    const auto& steps = kStepsOnBoard[static_cast<std::size_t>(index)][axis];
    int count = 0;
    for (std::size_t side = 0; side < 2; ++side) {
        const Direction dir = kAxisDirections[axis][side];
        const int stride = dir.dy * kColumns + dir.dx;
        for (int d = 1; d <= steps[side]; ++d) {
            const int neighbour = index + d * stride;
            if (board[neighbour] != code) {
                break;
            }
            onMatch(neighbour);
            ++count;
        }
    }
    return count;
}

}  // namespace

void DimAllUnits(Board& board) {
    for (std::int16_t& code : board.cells) {
        if (IsUnit(code)) {
            code = static_cast<std::int16_t>(code + kDimMarkOffset);
        }
    }
}

bool CompletesLine(const Board& board, int index, std::int16_t code) {
    for (std::size_t axis = 0; axis < kAxes; ++axis) {
        if (CountAxisRun(board, index, axis, code, [](int) {}) >= kLineNeighbours) {
            return true;
        }
    }
    return false;
}

bool CompletesLine(const Board& board, int index) {
    return CompletesLine(board, index, board[index]);
}

void MarkLine(Board& board, int index) {
    // Every axis is scanned before any cell is marked: marks change the codes compared.
    const std::int16_t code = board[index];
    std::array<int, kAxes * kAxisCells> lineCells{};
    std::size_t lineCount = 0;
    for (std::size_t axis = 0; axis < kAxes; ++axis) {
        const std::size_t axisStart = lineCount;
        const int run = CountAxisRun(board, index, axis, code,
                                     [&](int cell) { lineCells[lineCount++] = cell; });
        if (run < kLineNeighbours) {
            lineCount = axisStart;  // not a line: its cells stay as they are
        }
    }
    if (lineCount == 0) {
        return;
    }
    // Only units are highlighted: a "line" of ■, ◇, empty or greyed cells keeps its codes,
    // which then stay within the board's alphabet.
    if (IsUnit(code)) {
        for (std::size_t n = 0; n < lineCount; ++n) {
            board[lineCells[n]] = static_cast<std::int16_t>(code + kWinMarkOffset);
        }
        board[index] = static_cast<std::int16_t>(code + kWinMarkOffset);
    }
    DimAllUnits(board);
}

Outcome JudgePlacement(Board& board, int index) {
    if (CompletesLine(board, index)) {
        MarkLine(board, index);
        return Outcome::Win;
    }
    if (CountFreeCells(board) < 1) {
        DimAllUnits(board);
        return Outcome::Draw;
    }
    return Outcome::Continue;
}

}  // namespace morvane
