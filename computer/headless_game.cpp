#include "computer/headless_game.h"

#include <cassert>

#include "computer/computer_move.h"
#include "rules/line.h"

namespace morvane {
namespace {

constexpr Turn kDraw = 0;

}  // namespace

Turn PlayHeadlessGame(GameLevels levels, Turn firstTurn) {
    Board board;
    const YieldHook noYield;
    for (Turn turn = firstTurn;; turn = -turn) {
        const ComputerLevel level = SideNumber(turn) == 0 ? levels.circle : levels.cross;
        // Games between computers are played without terrain.
        const int cell = *ComputerMove(board, turn, level, TerrainOption::Off, noYield);
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

LadderResult RunLadder(ComputerLevel levelA, ComputerLevel levelB, int games) {
    LadderResult result;
    for (int game = 0; game < games; ++game) {
        const Turn first = game % 2 == 0 ? kCircleTurn : kCrossTurn;
        const Turn winner = PlayHeadlessGame({levelA, levelB}, first);
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
