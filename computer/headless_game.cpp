#include "computer/headless_game.h"

#include <cassert>
#include <utility>

#include "computer/computer_move.h"
#include "rules/line.h"

namespace morvane {
namespace {

constexpr Turn kDraw = 0;

}  // namespace

HeadlessGames::HeadlessGames(HeadlessSetting setting) : setting_(std::move(setting)) {}

Turn HeadlessGames::Play(GameLevels levels, Turn firstTurn) {
    Board board = setting_.layout ? setting_.layout() : Board{};
    if (CountFreeCells(board) == 0) {
        return kDraw;
    }
    for (Turn turn = firstTurn;; turn = -turn) {
        const ComputerLevel level = SideNumber(turn) == 0 ? levels.circle : levels.cross;
        const int cell =
            ComputerMove(board, turn, level, setting_.terrain, setting_.masterBudget, &engine_);
        assert(CanPlace(board, cell));
        board[cell] = UnitCode(turn);
        switch (JudgePlacement(board, cell)) {
            case Outcome::Win:
                return turn;
            case Outcome::Draw:
                return kDraw;
            case Outcome::Continue:
                break;
        }
    }
}

LadderResult HeadlessGames::Ladder(ComputerLevel levelA, ComputerLevel levelB, int games) {
    LadderResult result;
    for (int game = 0; game < games; ++game) {
        const Turn first = game % 2 == 0 ? kCircleTurn : kCrossTurn;
        const Turn winner = Play({levelA, levelB}, first);
        if (winner == kCircleTurn) {
            ++result.aWins;
        } else if (winner == kCrossTurn) {
            ++result.bWins;
        } else {
            ++result.draws;
        }
    }
    return result;
}

}  // namespace morvane
