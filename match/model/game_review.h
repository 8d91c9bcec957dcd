#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <variant>
#include <vector>

#include "computer/search/search.h"
#include "match/model/review_judgement.h"
#include "match/model/saved_game.h"
#include "rules/board.h"

namespace morvane {

// How long the solver may take over one position of a review: short, so that a whole game is
// looked at quickly, and late positions (few free cells) are proven well within it.
inline constexpr std::chrono::milliseconds kReviewBudget{300};

// The solver is asked only about positions with at most this many free cells: with more, a
// proof to the end of the game seldom comes within the budget (MASTER's own search draws the
// line at the same count), and the search's estimate, which proves the short forced wins, is
// what the review goes by.
inline constexpr int kMostFreeCellsToSolve = 36;

// Positions the search visits to estimate the cells of one position: about a tenth of a second
// on this machine's cores, and a count rather than a time, so that a game is reviewed alike
// however busy the machine is.
inline constexpr std::int64_t kEstimateNodes = 1'000'000;

// A placeable cell of a position with what placing there gives the side to move: the proven
// value where the solver or the search proved it, and the search's estimate.
struct CellReview {
    int cell = 0;
    ReviewValue value;            // Unknown until proven
    std::optional<int> estimate;  // the search's score (score.h), when it has been asked
    bool pending = true;          // neither proven nor estimated yet
};

// The cell's score as the review compares cells: its proven value's, else the estimate's.
std::optional<int> ScoreOfCell(const CellReview& cell, int free);

// One question about a position of the game: the solver's value of the position (cell is
// kNoCell), or of a placeable cell of it, asked as the position after placing there; or the
// search's scores of all its cells (estimate).
struct ReviewJob {
    int position = 0;  // the plies played before it, 0..moves
    int cell = kNoCell;
    Board board;  // what the solver or the search is asked about
    Turn turn = kCircleTurn;
    bool estimate = false;
};

// A solver's answer, for the side the job's position has to move (a cell's is its child's,
// negated, one ply further from the end), or the search's scores.
using ReviewAnswer = std::variant<ReviewValue, CellScores>;

// Answers the job: solves within the time, or scores the cells on kEstimateNodes positions.
// Nothing when stop called it off.
std::optional<ReviewAnswer> AnswerJob(SearchEngine& engine, const ReviewJob& job,
                                      std::chrono::milliseconds solveTime,
                                      const std::stop_token& stop = {});

// The review of one game: every placeable cell of every position the game went through, valued
// by the search's estimate and, where the solver or the search proves it, by its proven value;
// the position's proven value; and what each move did. A move's value is its cell's, one object
// that the move list and the cell list both read. The work is handed out as jobs: the position
// looked at and the move into it first, then the game's positions from the last one back, since
// a late position is proven fast and an early one may not be within the budget at all.
class GameReview {
public:
    explicit GameReview(SavedGame game);

    const SavedGame& Game() const { return game_; }
    int MoveCount() const { return static_cast<int>(game_.moves.size()); }

    // Ask about this position (0..MoveCount()) and its cells before anything else.
    void Focus(int plies);

    // The next question, or nothing when all are answered.
    std::optional<ReviewJob> NextJob() const;
    void Record(const ReviewJob& job, const ReviewAnswer& answer);

    std::vector<ReviewedMove> Moves() const;
    // The placeable cells of the position after plies moves, ascending; none once the game has
    // ended there.
    std::vector<CellReview> Cells(int plies) const;

    // Positions of the game whose own questions are all answered, out of PositionCount().
    int PositionsDone() const;
    int PositionCount() const { return MoveCount() + 1; }

private:
    struct PositionReview {
        Board board;  // what the solver and the search are asked about
        Turn turn = kCircleTurn;
        int free = 0;
        ReviewValue value;       // the position's, once proven
        bool solved = false;     // the solver has answered, or is not to be asked
        bool estimated = false;  // the search has scored the cells, or there are none
        std::vector<CellReview> cells;
        std::vector<int> cellsSolved;  // the cells the solver has answered about
    };

    bool Solvable(int plies) const;
    // Whether the position's own questions (not its cells') are all answered.
    bool Answered(int plies) const;
    std::optional<ReviewJob> PositionJob(int plies) const;
    std::optional<ReviewJob> CellJob(int plies) const;
    CellReview* PlayedCell(int plies);
    const CellReview* PlayedCell(int plies) const;
    // Records a proven value for the position, and for the cell played into it, where it tells
    // more than the value known (an exact distance more than a bound).
    void Prove(int plies, const ReviewValue& value);
    // Records a proven value for a cell, for the position it was played into, and for its own
    // position once every cell of it is proven, where it tells more than the value known.
    void ProveCell(int plies, CellReview& cell, const ReviewValue& value);
    void RecordScores(int plies, const CellScores& scores);
    // The position's proven value: its own, else the fastest of its cells proven to win.
    ReviewValue ValueOf(int plies) const;
    // The best cell's score (ScoreOfCell); nothing while a cell has none.
    std::optional<int> BestScore(int plies) const;

    SavedGame game_;
    std::vector<PositionReview> positions_;  // 0..MoveCount()
    std::optional<int> focus_;
};

}  // namespace morvane
