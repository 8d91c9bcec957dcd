#include "extra/engine/ex_match.h"

#include <cassert>

namespace morvane {

void ExMatch::NewSeries(ExMode mode) {
    mode_ = mode;
    gameCount_ = 0;
    board_.Clear();
    turn_ = kExNoTurn;
    inProgress_ = false;
}

void ExMatch::Start(bool mouseFirst) {
    keyCursor_ = kExCursorStart;
    turn_ = mouseFirst ? kExMouseTurn : kExOtherTurn;
    inProgress_ = true;
}

void ExMatch::MakeTerrain() {
    assert(!inProgress_);
    MakeRandomTerrain(board_, stoneDraws, boxDraws);
}

void ExMatch::Rotate(RotateDirection direction) {
    assert(!inProgress_);
    RotateBoard(board_, direction);
}

bool ExMatch::PlaceMouseUnit(int cell) {
    if (turn_ != kExMouseTurn || !ExCanPlace(board_, cell)) {
        return false;
    }
    board_[cell] = ExMouseUnit;
    turn_ = kExOtherTurn;
    return true;
}

bool ExMatch::PlaceKeybordUnit() {
    if (turn_ != kExOtherTurn || mode_ != ExMode::AgainstPerson ||
        !ExCanPlace(board_, keyCursor_)) {
        return false;
    }
    board_[keyCursor_] = ExOtherUnit;
    turn_ = kExMouseTurn;
    return true;
}

void ExMatch::MoveCursor(int delta) {
    keyCursor_ += delta;
    if (keyCursor_ < 0) {
        keyCursor_ += kExCellCount;
    } else if (keyCursor_ >= kExCellCount) {
        keyCursor_ -= kExCellCount;
    }
}

bool ExMatch::ComputerToMove() const {
    return inProgress_ && turn_ == kExOtherTurn && mode_ == ExMode::AgainstComputer;
}

bool ExMatch::PlayComputerMove(const YieldHook& yield, const ExProgress& progress) {
    assert(ComputerToMove());
    if (!ExComputerMove(board_, yield, progress)) {
        return false;
    }
    turn_ = kExMouseTurn;
    return true;
}

std::optional<ExGameEnd> ExMatch::Judge() {
    const ExOutcome outcome = ExJudgePlacement(board_);
    if (!inProgress_ || outcome == ExOutcome::GoesOn) {
        return std::nullopt;
    }
    FinishBoard(board_);
    ExGameEnd end{ExWinner::Nobody, board_};
    board_.Clear();
    ++gameCount_;
    if (outcome == ExOutcome::Draw) {
        ++drawCount_;
    } else if (turn_ == kExOtherTurn) {
        // The turn has already passed on: the Mouse side placed last.
        end.winner = ExWinner::Mouse;
        ++mouseWins_;
    } else {
        end.winner = ExWinner::Other;
        ++otherWins_;
    }
    turn_ = kExNoTurn;
    inProgress_ = false;
    return end;
}

}  // namespace morvane
