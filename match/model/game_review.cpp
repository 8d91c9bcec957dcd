#include "match/model/game_review.h"

#include <algorithm>
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
    return {Negated(opponent.value), opponent.plies + 1, opponent.within};
}

// The opponent's value once the move is made, from the mover's value of the move.
ReviewValue BeforeReply(const ReviewValue& mover) {
    if (mover.value == GameValue::Unknown) {
        return {};
    }
    return {Negated(mover.value), mover.plies - 1, mover.within};
}

// Whether a newly proven value tells more than the one known: any value more than none, an exact
// distance more than a bound.
bool TellsMore(const ReviewValue& found, const ReviewValue& known) {
    return found.value != GameValue::Unknown &&
           (known.value == GameValue::Unknown || (known.within && !found.within));
}

}  // namespace

std::optional<int> ScoreOfCell(const CellReview& cell, int free) {
    if (const std::optional<int> proven = ScoreOfValue(cell.value, free)) {
        return proven;
    }
    return cell.estimate;
}

std::optional<ReviewAnswer> AnswerJob(SearchEngine& engine, const ReviewJob& job,
                                      std::chrono::milliseconds solveTime,
                                      const std::stop_token& stop) {
    if (job.estimate) {
        std::optional<CellScores> scores =
            engine.ScoreCells(job.board, job.turn, SearchBudget::Nodes(kEstimateNodes), stop);
        if (!scores) {
            return std::nullopt;
        }
        return ReviewAnswer(*scores);
    }
    const std::optional<SolveResult> solved = engine.Solve(job.board, job.turn, solveTime, stop);
    if (!solved) {
        return std::nullopt;
    }
    const ReviewValue value = solved->value == GameValue::Unknown
                                  ? ReviewValue{}
                                  : ReviewValue{solved->value, solved->plies};
    return ReviewAnswer(job.cell == kNoCell ? value : AfterMove(value));
}

GameReview::GameReview(SavedGame game) : game_(std::move(game)) {
    positions_.resize(game_.moves.size() + 1);
    for (int plies = 0; plies <= MoveCount(); ++plies) {
        PositionReview& position = positions_[static_cast<std::size_t>(plies)];
        position.turn = TurnAfter(game_, plies);
        if (plies < MoveCount()) {
            position.board = BoardAfter(game_, plies);
        } else if (plies == 0) {
            position.board = game_.layout;
        } else {
            // The end of the game: the last unit placed, without the marks of the end.
            position.board = Placed(BoardAfter(game_, plies - 1), game_.moves.back(),
                                    TurnAfter(game_, plies - 1));
        }
        position.free = CountFreeCells(position.board);
        const bool over = plies == MoveCount() && game_.end;
        position.estimated = over;
        for (int cell = 0; cell < kCellCount && !over; ++cell) {
            if (CanPlace(position.board, cell)) {
                position.cells.push_back(CellReview{cell, {}, std::nullopt, true});
            }
        }
    }
}

void GameReview::Focus(int plies) {
    assert(plies >= 0 && plies <= MoveCount());
    focus_ = plies;
}

bool GameReview::Solvable(int plies) const {
    const PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    return position.free <= kMostFreeCellsToSolve || position.cells.empty();
}

std::optional<ReviewJob> GameReview::PositionJob(int plies) const {
    const PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    if (!position.estimated) {
        return ReviewJob{plies, kNoCell, position.board, position.turn, true};
    }
    const bool exact = position.value.value != GameValue::Unknown && !position.value.within;
    if (!position.solved && !exact && Solvable(plies)) {
        return ReviewJob{plies, kNoCell, position.board, position.turn, false};
    }
    return std::nullopt;
}

std::optional<ReviewJob> GameReview::CellJob(int plies) const {
    const PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    if (!Solvable(plies)) {
        return std::nullopt;
    }
    const CellReview* played = PlayedCell(plies);
    for (const CellReview& cell : position.cells) {
        // The cell played there is asked as the game's next position.
        const bool exact = cell.value.value != GameValue::Unknown && !cell.value.within;
        if (&cell != played && !exact &&
            std::ranges::find(position.cellsSolved, cell.cell) == position.cellsSolved.end()) {
            return ReviewJob{plies, cell.cell, Placed(position.board, cell.cell, position.turn),
                             -position.turn, false};
        }
    }
    return std::nullopt;
}

std::optional<ReviewJob> GameReview::NextJob() const {
    if (focus_) {
        // The position shown, the move into it and the move made from it.
        const int shown = *focus_;
        for (const int plies : {shown, shown - 1, shown + 1}) {
            if (plies >= 0 && plies <= MoveCount()) {
                if (std::optional<ReviewJob> job = PositionJob(plies)) {
                    return job;
                }
            }
        }
        if (std::optional<ReviewJob> job = CellJob(shown)) {
            return job;
        }
    }
    for (int plies = MoveCount(); plies >= 0; --plies) {
        if (std::optional<ReviewJob> job = PositionJob(plies)) {
            return job;
        }
    }
    return std::nullopt;
}

const CellReview* GameReview::PlayedCell(int plies) const {
    if (plies < 0 || plies >= MoveCount()) {
        return nullptr;
    }
    const std::vector<CellReview>& cells = positions_[static_cast<std::size_t>(plies)].cells;
    const int played = game_.moves[static_cast<std::size_t>(plies)];
    const auto found = std::ranges::find(cells, played, &CellReview::cell);
    return found != cells.end() ? &*found : nullptr;
}

CellReview* GameReview::PlayedCell(int plies) {
    return const_cast<CellReview*>(std::as_const(*this).PlayedCell(plies));
}

void GameReview::Prove(int plies, const ReviewValue& value) {
    ReviewValue& known = positions_[static_cast<std::size_t>(plies)].value;
    if (!TellsMore(value, known)) {
        return;
    }
    known = value;
    if (CellReview* played = PlayedCell(plies - 1)) {
        ProveCell(plies - 1, *played, AfterMove(value));
    }
}

void GameReview::ProveCell(int plies, CellReview& cell, const ReviewValue& value) {
    if (!TellsMore(value, cell.value)) {
        return;
    }
    cell.value = value;
    cell.pending = false;
    if (&cell == PlayedCell(plies)) {
        Prove(plies + 1, BeforeReply(value));
    }
    // Once every cell is proven, so is the position: its best cell's value.
    PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    if (std::ranges::all_of(position.cells, [](const CellReview& each) {
            return each.value.value != GameValue::Unknown;
        })) {
        const auto best =
            std::ranges::max_element(position.cells, {}, [&position](const CellReview& each) {
                return *ScoreOfValue(each.value, position.free);
            });
        Prove(plies, best->value);
    }
}

void GameReview::RecordScores(int plies, const CellScores& scores) {
    PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    position.estimated = true;
    if (scores.depth == 0) {
        return;
    }
    const bool complete = scores.depth >= position.free;
    for (int k = 0; k < scores.cells.Size(); ++k) {
        const auto found = std::ranges::find(position.cells, scores.cells[k], &CellReview::cell);
        if (found == position.cells.end()) {
            continue;
        }
        const int score = scores.scores[static_cast<std::size_t>(k)];
        found->estimate = score;
        found->pending = false;
        ProveCell(plies, *found, ValueOfScore(score, position.free, complete));
    }
}

void GameReview::Record(const ReviewJob& job, const ReviewAnswer& answer) {
    if (const auto* scores = std::get_if<CellScores>(&answer)) {
        RecordScores(job.position, *scores);
        return;
    }
    const ReviewValue& value = std::get<ReviewValue>(answer);
    PositionReview& position = positions_[static_cast<std::size_t>(job.position)];
    if (job.cell == kNoCell) {
        position.solved = true;
        Prove(job.position, value);
        return;
    }
    position.cellsSolved.push_back(job.cell);
    const auto found = std::ranges::find(position.cells, job.cell, &CellReview::cell);
    if (found != position.cells.end()) {
        ProveCell(job.position, *found, value);
    }
}

ReviewValue GameReview::ValueOf(int plies) const {
    const PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    if (position.value.value != GameValue::Unknown) {
        return position.value;
    }
    // A cell proven to win proves the position a win, in at most as many plies.
    ReviewValue win;
    for (const CellReview& cell : position.cells) {
        if (cell.value.value == GameValue::Win &&
            (win.value == GameValue::Unknown || cell.value.plies < win.plies)) {
            win = cell.value;
        }
    }
    return win;
}

std::optional<int> GameReview::BestScore(int plies) const {
    const PositionReview& position = positions_[static_cast<std::size_t>(plies)];
    std::optional<int> best;
    for (const CellReview& cell : position.cells) {
        const std::optional<int> score = ScoreOfCell(cell, position.free);
        if (!score) {
            return std::nullopt;
        }
        best = std::max(best.value_or(*score), *score);
    }
    return best;
}

bool GameReview::Answered(int plies) const { return !PositionJob(plies).has_value(); }

int GameReview::PositionsDone() const {
    int done = 0;
    for (int plies = 0; plies <= MoveCount(); ++plies) {
        done += Answered(plies) ? 1 : 0;
    }
    return done;
}

std::vector<ReviewedMove> GameReview::Moves() const {
    std::vector<ReviewedMove> moves;
    moves.reserve(game_.moves.size());
    for (int ply = 0; ply < MoveCount(); ++ply) {
        const CellReview& played = *PlayedCell(ply);
        ReviewedMove move;
        move.cell = played.cell;
        move.side = positions_[static_cast<std::size_t>(ply)].turn;
        move.before = ValueOf(ply);
        move.after = played.value;
        move.verdict = VerdictOf(move.before.value, move.after.value);
        move.bestScore = BestScore(ply);
        move.playedScore = ScoreOfCell(played, positions_[static_cast<std::size_t>(ply)].free);
        move.pending = move.verdict == Verdict::Unproven && !GradeOf(move) &&
                       !(Answered(ply) && Answered(ply + 1));
        moves.push_back(move);
    }
    return moves;
}

std::vector<CellReview> GameReview::Cells(int plies) const {
    return positions_[static_cast<std::size_t>(plies)].cells;
}

}  // namespace morvane
