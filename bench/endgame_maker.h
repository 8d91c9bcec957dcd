#pragma once

#include <optional>
#include <random>
#include <vector>

#include "rules/board.h"
#include "rules/line.h"

namespace morvane::testing {

struct Endgame {
    Board board;
    Turn turn = kCircleTurn;
};

// Line-free boards with only a few free cells, made the same way on every run from a seed. The
// free cells are mostly the tops of columns, as in a game near its end; with terrain, some
// filled cells are ■ and some free cells are ◇, anywhere on the board.
class EndgameMaker {
public:
    explicit EndgameMaker(unsigned seed) : engine_(seed) {}

    // Nothing only when kMostTries boards in a row were rejected, which a free count up to a
    // few dozen never comes near.
    std::optional<Endgame> Next(int freeCells, bool terrain) {
        for (int attempt = 0; attempt < kMostTries; ++attempt) {
            Board board;
            board.cells.fill(Block);
            std::vector<int> freeList = PickFreeCells(board, freeCells, terrain);
            if (static_cast<int>(freeList.size()) < freeCells ||
                !FillWithoutLines(board, terrain)) {
                continue;
            }
            for (const int cell : freeList) {
                board[cell] = terrain && Draw(0, 2) == 0 ? Hollow : Empty;
            }
            return Endgame{board, Draw(0, 1) == 0 ? kCircleTurn : kCrossTurn};
        }
        return std::nullopt;
    }

private:
    static constexpr int kMostTries = 1000;

    // Marks the free cells Empty on a board of ■ (which stand for "to be filled"); fewer than
    // asked when kMostTries picks in a row found no new cell.
    std::vector<int> PickFreeCells(Board& board, int freeCells, bool terrain) {
        std::vector<int> cells;
        for (int miss = 0; static_cast<int>(cells.size()) < freeCells && miss < kMostTries;) {
            int cell = 0;
            if (terrain && Draw(0, 3) == 0) {
                cell = Draw(0, kCellCount - 1);
            } else {
                // The highest filled cell of a random column.
                const int x = Draw(1, kColumns);
                int y = 1;
                while (y <= kRows && board[CellIndex(x, y)] == Empty) {
                    ++y;
                }
                if (y > kRows) {
                    ++miss;
                    continue;
                }
                cell = CellIndex(x, y);
            }
            if (board[cell] != Empty) {
                board[cell] = Empty;
                cells.push_back(cell);
                miss = 0;
            } else {
                ++miss;
            }
        }
        return cells;
    }

    // Gives every cell still holding ■ a unit of either side, bottom row first, so that no line
    // forms; with terrain a cell where both units would make a line stays ■ (and some stay ■
    // anyway). False when a cell can take neither unit and must not be ■.
    bool FillWithoutLines(Board& board, bool terrain) {
        for (int cell = kCellCount - 1; cell >= 0; --cell) {
            if (board[cell] != Block || (terrain && Draw(0, 9) == 0)) {
                continue;
            }
            const std::int16_t first = Draw(0, 1) == 0 ? CircleUnit : CrossUnit;
            const std::int16_t second = static_cast<std::int16_t>(CircleUnit + CrossUnit - first);
            board[cell] = first;
            if (!CompletesLine(board, cell)) {
                continue;
            }
            board[cell] = second;
            if (!CompletesLine(board, cell)) {
                continue;
            }
            if (!terrain) {
                return false;
            }
            board[cell] = Block;
        }
        return true;
    }

    int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    std::mt19937 engine_;
};

// The classic 7 × 6 game inside the main board: columns 1 to 7 of the bottom six rows are free,
// every other cell is ■, so play there follows the classic game's rules exactly.
inline Board ClassicBoard() {
    Board board;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const bool classic = CellX(cell) <= 7 && CellY(cell) > kRows - 6;
        board[cell] = classic ? Empty : Block;
    }
    return board;
}

// Positions reached by quiet random play from a starting board, ○ moving first: no move makes a
// line or leaves the opponent a cell that wins at once, so no position is decided by its next
// move alone. The same on every run from a seed; the side to move is the one whose turn it is.
class PlayedPositionMaker {
public:
    explicit PlayedPositionMaker(unsigned seed) : engine_(seed) {}

    // A position after `plies` units; nothing when kMostTries games in a row ran out of quiet
    // moves.
    std::optional<Endgame> Next(const Board& start, int plies) {
        for (int attempt = 0; attempt < kMostTries; ++attempt) {
            if (std::optional<Board> board = Play(start, plies)) {
                return Endgame{*board, plies % 2 == 0 ? kCircleTurn : kCrossTurn};
            }
        }
        return std::nullopt;
    }

private:
    static constexpr int kMostTries = 1000;

    std::optional<Board> Play(Board board, int plies) {
        Turn turn = kCircleTurn;
        for (int ply = 0; ply < plies; ++ply, turn = -turn) {
            std::vector<int> quiet;
            for (int cell = 0; cell < kCellCount; ++cell) {
                if (IsQuiet(board, cell, turn)) {
                    quiet.push_back(cell);
                }
            }
            if (quiet.empty()) {
                return std::nullopt;
            }
            std::uniform_int_distribution<std::size_t> pick(0, quiet.size() - 1);
            board[quiet[pick(engine_)]] = UnitCode(turn);
        }
        return board;
    }

    static bool IsQuiet(Board board, int cell, Turn turn) {
        if (!CanPlace(board, cell) || CompletesLine(board, cell, UnitCode(turn))) {
            return false;
        }
        board[cell] = UnitCode(turn);
        for (int reply = 0; reply < kCellCount; ++reply) {
            if (CanPlace(board, reply) && CompletesLine(board, reply, UnitCode(-turn))) {
                return false;
            }
        }
        return true;
    }

    std::mt19937 engine_;
};

}  // namespace morvane::testing
