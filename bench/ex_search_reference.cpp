#include "bench/ex_search_reference.h"

namespace morvane::testing {
namespace {

class ReferenceSearch {
public:
    explicit ReferenceSearch(ExScores& result) : result_(result) {}

    // Visits the node where cell is played at level on a copy of parent, then its children.
    void Visit(int level, int cell, const ExBoard& parent, int candidate) {
        ++nodes_;
        ExBoard board = parent;
        board[cell] = level % 2 == 0 ? ExOtherUnit : ExMouseUnit;
        const bool line = HasLine(board);
        const bool full = OpenCells(board) == 0;
        auto& score = result_.scores[static_cast<std::size_t>(candidate)];
        if (line && level % 2 == 0) {
            score += (kExSearchLevels - level) * kExOwnLineWeight;
            if (level == 0) {
                result_.scores.fill(0);
                result_.scores[static_cast<std::size_t>(candidate)] = 4 * kExOwnLineWeight;
                result_.winCell = candidate;
                return;
            }
        } else if (line) {
            score -= (kExSearchLevels - level) * kExMouseLineWeight;
        } else {
            score += full ? kExFullBoardWeight : kExOpenBoardWeight;
        }
        if (line || full || level == kExSearchLevels - 1) {
            return;
        }
        for (int child = 0; child < kExCellCount; ++child) {
            if (ExCanPlace(board, child)) {
                Visit(level + 1, child, board, candidate);
            }
        }
    }

    long nodes() const { return nodes_; }

private:
    ExScores& result_;
    long nodes_ = 0;
};

}  // namespace

ExScores ReferenceRateCells(const ExBoard& board, long* nodes) {
    ExScores result;
    ReferenceSearch search(result);
    for (int cell = 0; cell < kExCellCount && !result.winCell; ++cell) {
        if (ExCanPlace(board, cell)) {
            search.Visit(0, cell, board, cell);
        }
    }
    if (nodes != nullptr) {
        *nodes = search.nodes();
    }
    return result;
}

}  // namespace morvane::testing
