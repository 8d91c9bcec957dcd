#pragma once

#include <optional>
#include <vector>

#include "computer/search/search.h"
#include "rules/board.h"

namespace morvane {

// A side's value with best play on both sides, and the plies to the end of the game when proven.
struct ReviewValue {
    GameValue value = GameValue::Unknown;
    int plies = 0;
    // The plies are a bound: the game ends within so many (a search that proved the win or the
    // loss before it reached the end of the game may have missed a shorter way).
    bool within = false;

    friend bool operator==(const ReviewValue&, const ReviewValue&) = default;
};

// The same position's value for the opponent.
GameValue Negated(GameValue value);

// A proven value as a score of the search (score.h) for a position with free free cells, so
// that proven values and the search's estimates compare: a win scores above every estimate, the
// sooner the higher; a draw scores 0. Unknown has no score.
std::optional<int> ScoreOfValue(const ReviewValue& value, int free);

// What a search's score proves for a position with free free cells: once every line was searched
// to the end (complete), the value and its distance; before that, a decisive score proves the win
// or the loss within its distance; anything else nothing (Unknown).
ReviewValue ValueOfScore(int score, int free, bool complete);

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

// How a move the solver could not judge is graded from the search's estimate, by how much
// worse its cell scored than the best cell of the position, both searched alike: the way chess
// reviews grade moves. The limits are in the evaluation's units (evaluation.h), where a free
// winning cell is worth 24 and one on its owner's row parity 56: a good move gives away less
// than half a winning cell, an inaccuracy less than one, a mistake less than one on its row
// parity (the kind that decides games), and a blunder more. A proven win given away scores a
// blunder by itself: proven values score beyond every estimate (ScoreOfValue).
enum class Grade { Best, Good, Inaccuracy, Mistake, Blunder };

inline constexpr int kGoodLoss = 12;
inline constexpr int kInaccuracyLoss = 24;
inline constexpr int kMistakeLoss = 56;

Grade GradeOfLoss(int loss);

// Where the side to move stands by a score: an estimate this far from 0 (two winning cells on
// their owner's row parity and more) counts as a won or a lost game, as a proven value does.
enum class Standing { Losing, Level, Winning };

inline constexpr int kClearAdvantage = 112;

Standing StandingOf(int score);

// One move of the game as the review sees it.
struct ReviewedMove {
    int cell = 0;
    Turn side = kCircleTurn;
    ReviewValue before;  // the mover's proven value before the move; a win when a cell of the
                         // position is proven to win, though the solver could not prove the
                         // position itself in time
    ReviewValue after;   // the mover's proven value after it: its cell's, the opponent's then
                         // negated
    Verdict verdict = Verdict::Unproven;
    std::optional<int> bestScore;    // the best cell's score there, proven or estimated
    std::optional<int> playedScore;  // the played cell's, from the same search
    bool pending = true;  // neither a verdict nor a grade yet, and questions left to answer
};

// The grade of a move without a proven verdict, from its scores; nothing for a proven move or
// one whose scores are not there yet.
std::optional<Grade> GradeOf(const ReviewedMove& move);

// Whether the move changed what its mover could hope for: proven, by its verdict; else by the
// estimate, its mover's standing falling from the best cell's to the played one's.
bool ChangedTheOutcome(const ReviewedMove& move);

// The move after which the game was lost (or won, or drawn), and whether that rests on the
// search's estimate rather than on proven values.
struct DecidingMove {
    int index = 0;  // into the moves
    bool estimated = false;

    friend bool operator==(const DecidingMove&, const DecidingMove&) = default;
};

// The last move that threw a proven win or draw away, after which the outcome it left stood;
// where no proven move did, the last one that by the estimate changed its mover's standing.
// Nothing when no move did either.
std::optional<DecidingMove> FindDecidingMove(const std::vector<ReviewedMove>& moves);

}  // namespace morvane
