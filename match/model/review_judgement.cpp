#include "match/model/review_judgement.h"

#include "computer/search/score.h"

namespace morvane {

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

std::optional<int> ScoreOfValue(const ReviewValue& value, int free) {
    // The game ends with the move made with free - plies + 1 free cells (score.h).
    const int won = kWinScore + free - value.plies;
    switch (value.value) {
        case GameValue::Win:
            return won;
        case GameValue::Loss:
            return -won;
        case GameValue::Draw:
            return 0;
        case GameValue::Unknown:
            break;
    }
    return std::nullopt;
}

ReviewValue ValueOfScore(int score, int free, bool complete) {
    if (IsDecisive(score)) {
        return {score > 0 ? GameValue::Win : GameValue::Loss, PliesToEnd(score, free), !complete};
    }
    if (complete) {
        return {GameValue::Draw, free, false};
    }
    return {};
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

Grade GradeOfLoss(int loss) {
    if (loss <= 0) {
        return Grade::Best;
    }
    if (loss < kGoodLoss) {
        return Grade::Good;
    }
    if (loss < kInaccuracyLoss) {
        return Grade::Inaccuracy;
    }
    return loss < kMistakeLoss ? Grade::Mistake : Grade::Blunder;
}

Standing StandingOf(int score) {
    return score >= kClearAdvantage    ? Standing::Winning
           : score <= -kClearAdvantage ? Standing::Losing
                                       : Standing::Level;
}

std::optional<Grade> GradeOf(const ReviewedMove& move) {
    if (move.verdict != Verdict::Unproven || !move.bestScore || !move.playedScore) {
        return std::nullopt;
    }
    return GradeOfLoss(*move.bestScore - *move.playedScore);
}

bool ChangedTheOutcome(const ReviewedMove& move) {
    if (move.verdict != Verdict::Unproven) {
        return ChangedTheOutcome(move.verdict);
    }
    return move.bestScore && move.playedScore &&
           StandingOf(*move.bestScore) > StandingOf(*move.playedScore);
}

std::optional<DecidingMove> FindDecidingMove(const std::vector<ReviewedMove>& moves) {
    std::optional<DecidingMove> estimated;
    for (int index = static_cast<int>(moves.size()) - 1; index >= 0; --index) {
        const ReviewedMove& move = moves[static_cast<std::size_t>(index)];
        if (ChangedTheOutcome(move.verdict)) {
            return DecidingMove{index, false};
        }
        if (!estimated && ChangedTheOutcome(move)) {
            estimated = DecidingMove{index, true};
        }
    }
    return estimated;
}

}  // namespace morvane
