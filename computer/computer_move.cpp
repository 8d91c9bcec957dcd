#include "computer/computer_move.h"

#include "computer/strengths.h"

namespace morvane {

std::optional<Decision> DecideComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                           TerrainOption terrain, const YieldHook& yield) {
    switch (level) {
        case ComputerLevel::Easy:
            return ThinkEasy(board, turn, yield);
        case ComputerLevel::Normal:
            return ThinkNormal(board, turn, yield);
        case ComputerLevel::Hard:
            return ThinkHard(board, turn, yield);
        case ComputerLevel::Expert:
            return ThinkExpert(board, turn, terrain, yield);
        case ComputerLevel::Master:
            break;
    }
    // Not a rule-based strength: an empty decision, which draws cell 0 as the old program
    // answered.
    return Decision{};
}

std::optional<int> ComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                TerrainOption terrain, const YieldHook& yield, SearchBudget budget,
                                SearchEngine* engine) {
    if (level == ComputerLevel::Master) {
        const std::optional<SearchResult> result = engine
                                                       ? engine->Search(board, turn, budget, yield)
                                                       : SearchBestMove(board, turn, budget, yield);
        if (!result) {
            return std::nullopt;
        }
        if (result->cell != kNoCell) {
            return result->cell;
        }
        // The search found no cell to play: the rule-based choice stands in, as on the battle
        // screen, so that no placement is ever asked for no cell.
        level = ComputerLevel::Hard;
    }
    const std::optional<Decision> decision = DecideComputerMove(board, turn, level, terrain, yield);
    if (!decision) {
        return std::nullopt;
    }
    return DrawCell(*decision);
}

}  // namespace morvane
