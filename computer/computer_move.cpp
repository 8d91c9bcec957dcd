#include "computer/computer_move.h"

#include <cassert>

#include "computer/strengths.h"

namespace morvane {

std::optional<Decision> DecideComputerMove(Board& board, Turn turn, int computerLevel,
                                           int terrainSelect, const YieldHook& yield) {
    assert(computerLevel >= 0 && computerLevel <= 3);
    switch (computerLevel) {
        case 0:
            return ThinkEasy(board, turn, yield);
        case 1:
            return ThinkNormal(board, turn, yield);
        case 2:
            return ThinkHard(board, turn, yield);
        case 3:
            return ThinkExpert(board, turn, terrainSelect, yield);
    }
    // Not a strength: an empty decision, which draws cell 0 as the old program answered.
    return Decision{};
}

std::optional<int> ComputerMove(Board& board, Turn turn, int computerLevel, int terrainSelect,
                                const YieldHook& yield) {
    const std::optional<Decision> decision =
        DecideComputerMove(board, turn, computerLevel, terrainSelect, yield);
    if (!decision) {
        return std::nullopt;
    }
    return DrawCell(*decision);
}

}  // namespace morvane
