#include "extra/engine/ex_board.h"

#include <algorithm>

#include "rules/random.h"

namespace morvane {
namespace {

constexpr int kRunLength = 4;
constexpr int kLastRunStart = kExColumns - kRunLength;  // 6: the last start row or column

bool IsUnit(std::int16_t code) { return code == ExMouseUnit || code == ExOtherUnit; }

bool IsRun(const ExBoard& board, int start, int step) {
    const std::int16_t first = board[start];
    if (!IsUnit(first)) {
        return false;
    }
    for (int k = 1; k < kRunLength; ++k) {
        if (board[start + k * step] != first) {
            return false;
        }
    }
    return true;
}

// Visits every run on the board in scan order: horizontal rows top to bottom, vertical, then
// the diagonals row by row (down-left before down-right within a row). The visitor may mark
// the run it is given, which then hides its cells from later tests; it answers whether to go on.
template <typename Visitor>
void ScanRuns(const ExBoard& board, Visitor&& visit) {
    constexpr int kRight = 1;
    constexpr int kDown = kExColumns;
    constexpr int kDownLeft = kExColumns - 1;
    constexpr int kDownRight = kExColumns + 1;
    for (int row = 0; row < kExRows; ++row) {
        for (int column = 0; column <= kLastRunStart; ++column) {
            const int start = row * kExColumns + column;
            if (IsRun(board, start, kRight) && !visit(start, kRight)) {
                return;
            }
        }
    }
    for (int row = 0; row <= kLastRunStart; ++row) {
        for (int column = 0; column < kExColumns; ++column) {
            const int start = row * kExColumns + column;
            if (IsRun(board, start, kDown) && !visit(start, kDown)) {
                return;
            }
        }
    }
    for (int row = 0; row <= kLastRunStart; ++row) {
        for (int column = kRunLength - 1; column < kExColumns; ++column) {
            const int start = row * kExColumns + column;
            if (IsRun(board, start, kDownLeft) && !visit(start, kDownLeft)) {
                return;
            }
        }
        for (int column = 0; column <= kLastRunStart; ++column) {
            const int start = row * kExColumns + column;
            if (IsRun(board, start, kDownRight) && !visit(start, kDownRight)) {
                return;
            }
        }
    }
}

}  // namespace

bool ExCanPlace(const ExBoard& board, int index) {
    const std::int16_t code = board[index];
    if (code == ExBox) {
        return true;
    }
    if (code != ExEmpty) {
        return false;
    }
    return index >= kExBottomRowStart || board[index + kExColumns] != ExEmpty;
}

void RotateBoard(ExBoard& board, RotateDirection direction) {
    const ExBoard old = board;
    for (int row = 0; row < kExRows; ++row) {
        for (int column = 0; column < kExColumns; ++column) {
            const int from = direction == RotateDirection::Clockwise
                                 ? (kExRows - 1 - column) * kExColumns + row
                                 : column * kExColumns + (kExColumns - 1 - row);
            board[row * kExColumns + column] = old[from];
        }
    }
}

void MakeRandomTerrain(ExBoard& board, int stoneDraws, int boxDraws) {
    board.Clear();
    // 1 + RandomUpTo(98) spans 1..99: the top-left cell is never drawn.
    for (int draw = 0; draw < stoneDraws; ++draw) {
        board[1 + RandomUpTo(kExCellCount - 2)] = ExStone;
    }
    for (int draw = 0; draw < boxDraws; ++draw) {
        board[1 + RandomUpTo(kExCellCount - 2)] = ExBox;
    }
}

bool FindLines(ExBoard& board) {
    bool found = false;
    ScanRuns(board, [&](int start, int step) {
        for (int k = 0; k < kRunLength; ++k) {
            board[start + k * step] += kExLineMarkOffset;
        }
        found = true;
        return true;
    });
    return found;
}

bool HasLine(const ExBoard& board) {
    bool found = false;
    ScanRuns(board, [&](int, int) {
        found = true;
        return false;
    });
    return found;
}

void FinishBoard(ExBoard& board) {
    for (std::int16_t& code : board.cells) {
        if (IsUnit(code)) {
            code += kExDimMarkOffset;
        }
    }
}

int OpenCells(const ExBoard& board) {
    return static_cast<int>(std::count_if(board.cells.begin(), board.cells.end(), [](auto code) {
        return code == ExEmpty || code == ExBox;
    }));
}

int NonStoneCells(const ExBoard& board) {
    return kExCellCount - static_cast<int>(std::count(board.cells.begin(), board.cells.end(),
                                                      static_cast<std::int16_t>(ExStone)));
}

ExOutcome ExJudgePlacement(ExBoard& board) {
    if (FindLines(board)) {
        return ExOutcome::Win;
    }
    return OpenCells(board) == 0 ? ExOutcome::Draw : ExOutcome::GoesOn;
}

}  // namespace morvane
