#include "computer/computer_move.h"

#include <optional>

#include "computer/strengths.h"

namespace morvane {

Decision DecideComputerMove(const Board& board, Turn turn, ComputerLevel level,
                            TerrainOption terrain) {
    switch (level) {
        case ComputerLevel::Easy:
            return ThinkEasy(board, turn);
        case ComputerLevel::Normal:
            return ThinkNormal(board, turn);
        case ComputerLevel::Hard:
            return ThinkHard(board, turn);
        case ComputerLevel::Expert:
            return ThinkExpert(board, turn, terrain);
        case ComputerLevel::Master:
            break;
    }
    // Not a rule-based strength: an empty decision, which draws cell 0 as the old program
    // answered.
    return Decision{};
}

int ComputerMove(const Board& board, Turn turn, ComputerLevel level, TerrainOption terrain,
                 SearchBudget budget, SearchEngine* engine) {
    if (level == ComputerLevel::Master) {
        // Nothing calls this search off: it always answers.
        const std::optional<SearchResult> result =
            engine ? engine->Search(board, turn, budget) : SearchBestMove(board, turn, budget);
        if (result->cell != kNoCell) {
            return result->cell;
        }
        // The search found no cell to play: the rule-based choice stands in, as on the battle
        // screen, so that no placement is ever asked for no cell.
        level = ComputerLevel::Hard;
    }
    return DrawCell(DecideComputerMove(board, turn, level, terrain));
}

}  // namespace morvane
