#pragma once

#include <chrono>
#include <optional>
#include <stop_token>
#include <vector>

#include "computer/search/search.h"
#include "match/model/saved_game.h"
#include "rules/board.h"

namespace morvane {

// How long the solver may take over one position of a review: short, so that a whole game is
// looked at within a minute, and late positions (few free cells) are proven well within it.
inline constexpr std::chrono::milliseconds kReviewBudget{300};

// A side's value with best play on both sides, and the plies to the end of the game when proven.
struct ReviewValue {
    GameValue value = GameValue::Unknown;
    int plies = 0;

    friend bool operator==(const ReviewValue&, const ReviewValue&) = default;
};

// The same position's value for the opponent.
GameValue Negated(GameValue value);

// What a move did to its mover's proven value.
enum class Verdict {
    KeptWin,         // a win before and after
    ThrewWinToDraw,  // a win before, a draw after
    ThrewWinToLoss,  // a win before, a loss after
    ThrewDraw,       // a draw before, a loss after
    Kept,            // a draw or a loss before, the same after
    Unproven,        // the value before or after is unknown
};

Verdict VerdictOf(GameValue before, GameValue after);

constexpr bool ChangedTheOutcome(Verdict verdict) {
    return verdict == Verdict::ThrewWinToDraw || verdict == Verdict::ThrewWinToLoss ||
           verdict == Verdict::ThrewDraw;
}

// One move of the game as the review sees it.
struct ReviewedMove {
    int cell = 0;
    Turn side = kCircleTurn;
    ReviewValue before;  // the mover's value before the move; a win when the move is proven to
                         // win, though the solver could not prove the position before it in time
    ReviewValue after;   // the mover's value after it: the opponent's then, negated
    Verdict verdict = Verdict::Unproven;
    bool pending = true;  // the solver has not yet been asked about both values
};

// The move (index into moves) that decided the game: the last one that threw a proven win or
// draw away, after which the outcome it left stood. Nothing when no proven move changed it.
std::optional<int> DecidingMove(const std::vector<ReviewedMove>& moves);

// A placeable cell of a position with the value placing there gives the side to move; pending
// until the solver has been asked.
struct CellReview {
    int cell = 0;
    ReviewValue value;
    bool pending = true;
};

// One question for the solver: a position of the game (cell is kNoCell), or a placeable cell of
// one, asked as the position after placing there.
struct ReviewJob {
    int position = 0;  // the plies played before it, 0..moves
    int cell = kNoCell;
    Board board;  // what the solver is asked about
    Turn turn = kCircleTurn;
};

// Solves the job's board within the time; nothing when stop called it off. The value is for
// the side the job's position has to move: a cell's answer is its child's, negated, one ply
// further from the end.
std::optional<ReviewValue> SolveJob(SearchEngine& engine, const ReviewJob& job,
                                    std::chrono::milliseconds time,
                                    const std::stop_token& stop = {});

// The review of one game: the solver's value of every position the game went through, what
// each move did to it, and, for the position a player looks at, the value of every cell that
// could have been played. The work is handed out as jobs: the looked-at position's cells first,
// then the game's positions from the last one back, since a late position is proven fast and an
// early one may not be within the budget at all (it stays unknown).
class GameReview {
public:
    explicit GameReview(SavedGame game);

    const SavedGame& Game() const { return game_; }
    int MoveCount() const { return static_cast<int>(game_.moves.size()); }

    // Ask for the cells of this position (0..MoveCount()) before anything else.
    void Focus(int plies);

    // The next question, or nothing when all are answered.
    std::optional<ReviewJob> NextJob() const;
    void Record(const ReviewJob& job, const ReviewValue& value);

    std::vector<ReviewedMove> Moves() const;
    // The placeable cells of the position after plies moves, ascending; none once the game has
    // ended there.
    std::vector<CellReview> Cells(int plies) const;

    // Positions of the game solved so far, out of PositionCount().
    int PositionsDone() const { return positionsDone_; }
    int PositionCount() const { return MoveCount() + 1; }

private:
    // The board the solver is asked about for the position after plies moves: the game's, or
    // for the end of the game the last unit placed without the marks of the end.
    Board SolverBoard(int plies) const;

    SavedGame game_;
    std::vector<std::optional<ReviewValue>> positions_;  // 0..MoveCount()
    std::vector<std::vector<CellReview>> cells_;         // per position, filled when focused
    int positionsDone_ = 0;
    std::optional<int> focus_;
};

}  // namespace morvane
