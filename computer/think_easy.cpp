#include "computer/opening.h"
#include "computer/strengths.h"

namespace morvane {

Decision ThinkEasy(const Board& board, Turn turn) {
    return ThinkAfterOpeningSteps(board, turn, [](Decision& decision) {
        decision.kind = DecisionKind::Pick;
        decision.cells = decision.safe;
        return decision;
    });
}

}  // namespace morvane
