#include "rules/board.h"

namespace morvane {

bool CanPlace(const Board& board, int index) {
    const std::int16_t code = board[index];
    if (code == Hollow) {
        return true;
    }
    if (code != Empty) {
        return false;
    }
    if (CellY(index) == kRows) {
        return true;
    }
    return board[index + kColumns] >= Hollow;
}

int CountFreeCells(const Board& board) {
    int count = 0;
    for (const std::int16_t code : board.cells) {
        if (code < CircleUnit) {
            ++count;
        }
    }
    return count;
}

}  // namespace morvane
