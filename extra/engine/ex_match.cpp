#include "extra/engine/ex_match.h"

#include <cassert>

#include "extra/engine/ex_search.h"
#include "rules/random.h"

namespace morvane {

ExMatch::ExMatch(ExMatchHost& host) : host_(host) {}

void ExMatch::Start() {
    assert(!inProgress());
    const bool mouseFirst = RandomUpTo(1) == 0;
    const ExPlayer first = mouseFirst ? ExPlayer::Mouse : OtherPlayer();
    host_.Tell(first == ExPlayer::Mouse     ? ExMessage::MouseFirst
               : first == ExPlayer::Keybord ? ExMessage::KeybordFirst
                                            : ExMessage::ProgramFirst);
    keyCursor_ = kExCursorStart;
    turn_ = mouseFirst ? kExMouseTurn : kExOtherTurn;
    mouseFrameShown_ = mouseFirst;
    keyCursorShown_ = first == ExPlayer::Keybord;
    cellsShown_ = true;
    cellsEnabled_ = true;
    rotationEnabled_ = false;
    Refresh();
}

void ExMatch::MakeTerrain() {
    assert(!inProgress() && mode_ == ExMode::AgainstPerson);
    MakeRandomTerrain(board_, stoneDraws, boxDraws);
    cellsShown_ = true;
    cellsEnabled_ = false;
    Refresh();
    rotationEnabled_ = true;
}

void ExMatch::Rotate(RotateDirection direction) {
    assert(rotationEnabled_ && !inProgress());
    RotateBoard(board_, direction);
    Refresh();
}

void ExMatch::ClickCell(int cell) {
    if (turn_ != kExMouseTurn || !ExCanPlace(board_, cell)) {
        return;
    }
    board_[cell] = ExMouseUnit;
    turn_ = kExOtherTurn;
    mouseFrameShown_ = false;
    if (mode_ == ExMode::AgainstPerson) {
        keyCursorShown_ = true;
    } else {
        cellsEnabled_ = false;
    }
    Refresh();
    // A game that has just ended leaves its final position without clicks.
    cellsEnabled_ = inProgress();
}

bool ExMatch::PressKey(ExKey key) {
    if (turn_ == kExMouseTurn && mode_ == ExMode::AgainstComputer) {
        return PressMouseSideKey(key);
    }
    if (turn_ != kExOtherTurn || mode_ != ExMode::AgainstPerson) {
        return false;
    }
    keyCursorShown_ = true;
    if (key == ExKey::Space) {
        PlaceKeybordUnit();
    } else {
        MoveCursor(key);
    }
    return true;
}

bool ExMatch::PressMouseSideKey(ExKey key) {
    if (key == ExKey::Other) {
        return false;
    }
    keyCursorShown_ = true;
    if (key != ExKey::Space && key != ExKey::Enter) {
        MoveCursor(key);
    } else if (ExCanPlace(board_, keyCursor_)) {
        // Hidden while the computer answers, and shown again by the next key.
        keyCursorShown_ = false;
        ClickCell(keyCursor_);
    }
    return true;
}

void ExMatch::ChooseMode(ExMode mode) {
    assert(!inProgress());
    if (host_.Ask(ExMessage::ModeChangeQuestion)) {
        StartSeries(mode);
    }
}

void ExMatch::ChooseNewGame() {
    if (const auto refusal = Refusal(ExCommand::NewGame)) {
        host_.Tell(*refusal);
        return;
    }
    if (host_.Ask(ExMessage::NewGameQuestion)) {
        StartSeries(mode_);
    }
}

std::optional<ExMessage> ExMatch::Refusal(ExCommand command) const {
    if (!thinking_) {
        return std::nullopt;
    }
    return command == ExCommand::Close ? ExMessage::CloseRefusedWhileThinking
                                       : ExMessage::RefusedWhileThinking;
}

void ExMatch::Refresh() {
    do {
        shown_ = board_;
        EndGameIfOver();
        RebuildInfo();
    } while (ComputerToMove() && PlayComputerTurn());
}

void ExMatch::EndGameIfOver() {
    const ExOutcome outcome = ExJudgePlacement(board_);
    if (!inProgress() || outcome == ExOutcome::GoesOn) {
        return;
    }
    FinishBoard(board_);
    shown_ = board_;
    board_.Clear();
    cellsEnabled_ = false;
    mouseFrameShown_ = false;
    keyCursorShown_ = false;
    ++gameCount_;
    ExMessage announcement = ExMessage::Drawn;
    if (outcome == ExOutcome::Draw) {
        ++drawCount_;
    } else if (turn_ == kExOtherTurn) {
        // The turn has already passed on: the Mouse side placed last.
        announcement = ExMessage::MouseWon;
        ++mouseWins_;
    } else {
        announcement =
            OtherPlayer() == ExPlayer::Keybord ? ExMessage::KeybordWon : ExMessage::ProgramWon;
        ++otherWins_;
    }
    turn_ = kExNoTurn;
    host_.Tell(announcement);
}

void ExMatch::RebuildInfo() {
    info_ = ExInfo{false, gameCount_ + 1, mouseWins_, otherWins_, drawCount_, std::nullopt};
    if (inProgress()) {
        info_.game = ExInfo::Game{OpenCells(board_), NonStoneCells(board_),
                                  turn_ == kExMouseTurn ? ExPlayer::Mouse : OtherPlayer()};
    }
}

bool ExMatch::ComputerToMove() const {
    return turn_ == kExOtherTurn && mode_ == ExMode::AgainstComputer;
}

bool ExMatch::PlayComputerTurn() {
    thinking_ = true;
    const bool moved = ExComputerMove(board_, [this](int percentLeft) {
                           percentLeft_ = percentLeft;
                           host_.ShowThinking();
                       }).has_value();
    thinking_ = false;
    if (moved) {
        turn_ = kExMouseTurn;
        mouseFrameShown_ = true;
    }
    return moved;
}

void ExMatch::PlaceKeybordUnit() {
    if (!ExCanPlace(board_, keyCursor_)) {
        return;
    }
    board_[keyCursor_] = ExOtherUnit;
    turn_ = kExMouseTurn;
    mouseFrameShown_ = true;
    keyCursorShown_ = false;
    Refresh();
}

void ExMatch::MoveCursor(ExKey arrow) {
    switch (arrow) {
        case ExKey::Up:
            keyCursor_ -= kExColumns;
            break;
        case ExKey::Down:
            keyCursor_ += kExColumns;
            break;
        case ExKey::Left:
            --keyCursor_;
            break;
        case ExKey::Right:
            ++keyCursor_;
            break;
        default:
            return;
    }
    if (keyCursor_ < 0) {
        keyCursor_ += kExCellCount;
    } else if (keyCursor_ >= kExCellCount) {
        keyCursor_ -= kExCellCount;
    }
}

void ExMatch::StartSeries(ExMode mode) {
    mode_ = mode;
    gameCount_ = 0;
    board_.Clear();
    shown_ = board_;
    turn_ = kExNoTurn;
    cellsShown_ = false;
    cellsEnabled_ = false;
    mouseFrameShown_ = false;
    keyCursorShown_ = false;
    rotationEnabled_ = false;
    info_ = ExInfo{};
}

ExPlayer ExMatch::OtherPlayer() const {
    return mode_ == ExMode::AgainstPerson ? ExPlayer::Keybord : ExPlayer::Program;
}

}  // namespace morvane
