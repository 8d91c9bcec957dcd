#include "computer/opening.h"
#include "computer/strengths.h"

namespace morvane {

std::optional<Decision> ThinkEasy(Board& board, Turn turn, const YieldHook& yield) {
    Decision decision;
    switch (RunOpeningSteps(board, turn, yield, decision)) {
        case OpeningResult::Abandoned:
            return std::nullopt;
        case OpeningResult::Decided:
            return decision;
        case OpeningResult::Continue:
            break;
    }
    decision.kind = DecisionKind::Pick;
    decision.cells = decision.safe;
    return decision;
}

}  // namespace morvane
