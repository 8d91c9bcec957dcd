#include "extra/engine/ex_search.h"

#include <algorithm>

#include "extra/engine/ex_bitboard.h"
#include "rules/bit_count.h"
#include "rules/random.h"

namespace morvane {
namespace {

using exbits::Bits;
using exbits::Has;
using exbits::LowestBit;
using exbits::Position;
using exbits::WinningCells;

// The weight of a node whose board holds a run: the computer's own runs count for it, the
// Mouse side's against it, the nearer the more.
constexpr std::int32_t LineWeight(int level) {
    return level % 2 == 0 ? (kExSearchLevels - level) * kExOwnLineWeight
                          : -(kExSearchLevels - level) * kExMouseLineWeight;
}

std::int32_t NoLineWeight(const Position& position) {
    return position.open == 0 ? kExFullBoardWeight : kExOpenBoardWeight;
}

struct CandidateRating {
    std::int32_t score = 0;
    bool winsAtOnce = false;
};

// The look-ahead below one candidate cell. Every node is judged as a scan of the whole board
// would judge it, but in constant time: a node is only expanded when its board holds no run,
// so a run at a child can only pass through the cell just played, which is a bit test against
// the cells that complete a run for the side that played it. Those sets depend only on that
// side's units, so they are computed once per ply above, not per node. A board that already
// holds a run when the search starts keeps it at every node: the first candidate then "wins".
// BitCount is the population count policy (rules/bit_count.h).
template <typename BitCount>
class ExSearch {
public:
    explicit ExSearch(const ExBoard& board)
        : root_(Position::Of(board)),
          rootHasLine_(HasLine(board)),
          mouseWinning_(WinningCells(root_.mouse)),
          otherWinning_(WinningCells(root_.other)) {}

    CandidateRating Rate(int cell) {
        const int bit = exbits::BitOfCell(cell);
        if (rootHasLine_ || Has(otherWinning_, bit)) {
            return CandidateRating{LineWeight(0), true};
        }
        const Position own = root_.WithOther(bit);
        std::int32_t score = NoLineWeight(own);
        const Bits otherWinningLater = WinningCells(own.other);
        for (Bits replies = own.Legal(); replies != 0; replies &= replies - 1) {
            const int reply = LowestBit(replies);
            if (Has(mouseWinning_, reply)) {
                score += LineWeight(1);
                continue;
            }
            const Position afterReply = own.WithMouse(reply);
            score += NoLineWeight(afterReply);
            score += RateSecondMoves(afterReply, otherWinningLater, WinningCells(afterReply.mouse));
        }
        return CandidateRating{score, false};
    }

private:
    // Levels 2 and 3 below a Mouse reply: the sum of their weights.
    static std::int32_t RateSecondMoves(const Position& position, Bits otherWinning,
                                        Bits mouseWinning) {
        std::int32_t score = 0;
        for (Bits moves = position.Legal(); moves != 0; moves &= moves - 1) {
            const int move = LowestBit(moves);
            if (Has(otherWinning, move)) {
                score += LineWeight(2);
                continue;
            }
            const Position afterMove = position.WithOther(move);
            score += NoLineWeight(afterMove);
            // The last replies have no children, so their weights are counted together.
            const Bits replies = afterMove.Legal();
            const int replyCount = exbits::CountBits<BitCount>(replies);
            const int winningReplies = exbits::CountBits<BitCount>(replies & mouseWinning);
            const std::int32_t fillWeight =
                afterMove.open == 1 ? kExFullBoardWeight : kExOpenBoardWeight;
            score += winningReplies * LineWeight(3) + (replyCount - winningReplies) * fillWeight;
        }
        return score;
    }

    Position root_;
    bool rootHasLine_;
    Bits mouseWinning_;
    Bits otherWinning_;
};

void Report(const ExProgress& progress, int percentLeft) {
    if (progress) {
        progress(percentLeft);
    }
}

template <typename BitCount>
ExScores RateCells(const ExBoard& board, const ExProgress& progress) {
    ExScores result;
    ExSearch<BitCount> search(board);
    Report(progress, kExProgressStart);
    for (int cell = 0; cell < kExCellCount && !result.winCell; ++cell) {
        if (!ExCanPlace(board, cell)) {
            continue;
        }
        const CandidateRating rating = search.Rate(cell);
        if (rating.winsAtOnce) {
            result.scores.fill(0);
            result.winCell = cell;
        }
        result.scores[static_cast<std::size_t>(cell)] = rating.score;
        Report(progress, kExProgressStart - cell);
    }
    return result;
}

}  // namespace

ExScores ExRateCells(const ExBoard& board, const ExProgress& progress) {
    return HasHardwareBitCount() ? RateCells<HardwareBitCount>(board, progress)
                                 : RateCells<PortableBitCount>(board, progress);
}

std::vector<int> ExBestCells(const ExBoard& board, const ExScores& scores) {
    std::vector<int> best;
    std::int32_t bestScore = 0;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        if (!ExCanPlace(board, cell)) {
            continue;
        }
        const std::int32_t score = scores.scores[static_cast<std::size_t>(cell)];
        if (best.empty() || score > bestScore) {
            best.assign(1, cell);
            bestScore = score;
        } else if (score == bestScore) {
            best.push_back(cell);
        }
    }
    return best;
}

std::optional<int> ExComputerMove(ExBoard& board, const ExProgress& progress) {
    const std::vector<int> best = ExBestCells(board, ExRateCells(board, progress));
    if (best.empty()) {
        return std::nullopt;
    }
    const int cell = best[static_cast<std::size_t>(RandomUpTo(static_cast<int>(best.size()) - 1))];
    board[cell] = ExOtherUnit;
    return cell;
}

}  // namespace morvane
