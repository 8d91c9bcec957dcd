#include "computer/opening.h"
#include "computer/strengths.h"

namespace morvane {

std::optional<Decision> ThinkEasy(Board& board, Turn turn, const YieldHook& yield) {
    Decision decision;
    const OpeningResult opening = RunOpeningSteps(board, turn, yield, decision);
    if (opening == OpeningResult::Abandoned) {
        return std::nullopt;
    }
    if (opening == OpeningResult::Decided) {
        return decision;
    }
    decision.kind = DecisionKind::Pick;
    decision.cells = decision.safe;
    return decision;
}

}  // namespace morvane
