#include "computer/opening.h"
#include "computer/strengths.h"

namespace morvane {

std::optional<Decision> ThinkEasy(const Board& board, Turn turn, const YieldHook& yield) {
    return ThinkAfterOpeningSteps(board, turn, yield, [](Decision& decision) {
        decision.kind = DecisionKind::Pick;
        decision.cells = decision.safe;
        return std::optional<Decision>(decision);
    });
}

}  // namespace morvane
