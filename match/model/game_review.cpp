#include "match/model/game_review.h"

#include <cassert>
#include <utility>

namespace morvane {
namespace {

Board Placed(Board board, int cell, Turn turn) {
    board[cell] = UnitCode(turn);
    return board;
}

// The mover's value after a move, from the opponent's value then, counted from before the move.
ReviewValue AfterMove(const ReviewValue& opponent) {
    if (opponent.value == GameValue::Unknown) {
        return {};
    }
    return {Negated(opponent.value), opponent.plies + 1};
}

}  // namespace

GameValue Negated(GameValue value) {
    switch (value) {
        case GameValue::Win:
            return GameValue::Loss;
        case GameValue::Loss:
            return GameValue::Win;
        case GameValue::Draw:
        case GameValue::Unknown:
            return value;
    }
    return GameValue::Unknown;
}

Verdict VerdictOf(GameValue before, GameValue after) {
    if (before == GameValue::Unknown || after == GameValue::Unknown) {
        return Verdict::Unproven;
    }
    if (before == GameValue::Win) {
        return after == GameValue::Win    ? Verdict::KeptWin
               : after == GameValue::Draw ? Verdict::ThrewWinToDraw
                                          : Verdict::ThrewWinToLoss;
    }
    if (before == GameValue::Draw && after == GameValue::Loss) {
        return Verdict::ThrewDraw;
    }
    return Verdict::Kept;
}

std::optional<int> DecidingMove(const std::vector<ReviewedMove>& moves) {
    for (int index = static_cast<int>(moves.size()) - 1; index >= 0; --index) {
        if (ChangedTheOutcome(moves[static_cast<std::size_t>(index)].verdict)) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<ReviewValue> SolveJob(SearchEngine& engine, const ReviewJob& job,
                                    std::chrono::milliseconds time, const std::stop_token& stop) {
    const std::optional<SolveResult> solved = engine.Solve(job.board, job.turn, time, stop);
    if (!solved) {
        return std::nullopt;
    }
    const ReviewValue value = solved->value == GameValue::Unknown
                                  ? ReviewValue{}
                                  : ReviewValue{solved->value, solved->plies};
    return job.cell == kNoCell ? value : AfterMove(value);
}

GameReview::GameReview(SavedGame game)
    : game_(std::move(game)), positions_(game_.moves.size() + 1), cells_(game_.moves.size() + 1) {}

Board GameReview::SolverBoard(int plies) const {
    if (plies < MoveCount()) {
        return BoardAfter(game_, plies);
    }
    if (plies == 0) {
        return game_.layout;
    }
    return Placed(BoardAfter(game_, plies - 1), game_.moves.back(), TurnAfter(game_, plies - 1));
}

void GameReview::Focus(int plies) {
    assert(plies >= 0 && plies <= MoveCount());
    focus_ = plies;
    std::vector<CellReview>& cells = cells_[static_cast<std::size_t>(plies)];
    if (!cells.empty() || (plies == MoveCount() && game_.end)) {
        return;
    }
    const Board board = SolverBoard(plies);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (CanPlace(board, cell)) {
            cells.push_back(CellReview{cell, {}, true});
        }
    }
}

std::optional<ReviewJob> GameReview::NextJob() const {
    if (focus_) {
        const int plies = *focus_;
        const bool played = plies < MoveCount();
        // The cell played there is asked as the game's next position.
        if (played && !positions_[static_cast<std::size_t>(plies) + 1]) {
            return ReviewJob{plies + 1, kNoCell, SolverBoard(plies + 1),
                             TurnAfter(game_, plies + 1)};
        }
        for (const CellReview& cell : cells_[static_cast<std::size_t>(plies)]) {
            if (cell.pending &&
                !(played && cell.cell == game_.moves[static_cast<std::size_t>(plies)])) {
                const Turn turn = TurnAfter(game_, plies);
                return ReviewJob{plies, cell.cell, Placed(SolverBoard(plies), cell.cell, turn),
                                 -turn};
            }
        }
    }
    for (int plies = MoveCount(); plies >= 0; --plies) {
        if (!positions_[static_cast<std::size_t>(plies)]) {
            return ReviewJob{plies, kNoCell, SolverBoard(plies), TurnAfter(game_, plies)};
        }
    }
    return std::nullopt;
}

void GameReview::Record(const ReviewJob& job, const ReviewValue& value) {
    const auto position = static_cast<std::size_t>(job.position);
    if (job.cell == kNoCell) {
        if (!positions_[position]) {
            ++positionsDone_;
        }
        positions_[position] = value;
        return;
    }
    for (CellReview& cell : cells_[position]) {
        if (cell.cell == job.cell) {
            cell.value = value;
            cell.pending = false;
        }
    }
}

std::vector<ReviewedMove> GameReview::Moves() const {
    std::vector<ReviewedMove> moves;
    moves.reserve(game_.moves.size());
    for (int ply = 0; ply < MoveCount(); ++ply) {
        ReviewedMove move;
        move.cell = game_.moves[static_cast<std::size_t>(ply)];
        move.side = TurnAfter(game_, ply);
        const std::optional<ReviewValue>& before = positions_[static_cast<std::size_t>(ply)];
        const std::optional<ReviewValue>& next = positions_[static_cast<std::size_t>(ply) + 1];
        move.before = before.value_or(ReviewValue{});
        move.after = AfterMove(next.value_or(ReviewValue{}));
        // A position the solver did not prove in time is a win all the same when the move
        // played from it is proven to win (in at most as many plies).
        if (move.before.value == GameValue::Unknown && move.after.value == GameValue::Win) {
            move.before = move.after;
        }
        move.verdict = VerdictOf(move.before.value, move.after.value);
        move.pending = !next || (!before && move.before.value == GameValue::Unknown);
        moves.push_back(move);
    }
    return moves;
}

std::vector<CellReview> GameReview::Cells(int plies) const {
    std::vector<CellReview> cells = cells_[static_cast<std::size_t>(plies)];
    if (plies >= MoveCount()) {
        return cells;
    }
    const int played = game_.moves[static_cast<std::size_t>(plies)];
    const std::optional<ReviewValue>& next = positions_[static_cast<std::size_t>(plies) + 1];
    for (CellReview& cell : cells) {
        if (cell.cell == played && next) {
            cell.pending = false;
            cell.value = AfterMove(*next);
        }
    }
    return cells;
}

}  // namespace morvane
