#include "match/model/battle_thinker.h"

#include <utility>

#include "match/model/computer_log.h"
#include "match/model/searched_cell.h"

namespace morvane {

MatchThinker::MatchThinker(RuleMoveFunction ruleMove, SearchFunction search)
    : ruleMove_(std::move(ruleMove)), search_(std::move(search)) {}

std::optional<int> MatchThinker::ComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                              TerrainOption terrain) {
    if (level != ComputerLevel::Master) {
        return ruleMove_(board, turn, level, terrain);
    }
    const std::optional<SearchResult> found =
        Think({board, turn, SearchBudget::Time(kMasterThinkBudget)});
    if (!found) {
        return std::nullopt;
    }
    return PlaceableSearchedCell(board, turn, found->cell);
}

std::optional<Hint> MatchThinker::FindHint(const Board& board, Turn turn) {
    const std::optional<SearchResult> found = Think({board, turn, SearchBudget::Time(kHintTime)});
    if (!found) {
        return std::nullopt;
    }
    return HintFrom(board, turn, *found);
}

std::optional<SearchResult> MatchThinker::Think(const SearchQuestion& question) {
    if (!worker_.Idle()) {
        // An answer for another position (the game moved on while it was searched) is dropped,
        // and the search starts afresh below.
        const std::optional<SearchResult> answer = worker_.TakeAnswer(question);
        if (answer) {
            qCDebug(computerLog,
                    "the search answered cell %d, score %d, depth %d, %lld nodes, in %lld ms",
                    answer->cell, answer->score, answer->depth,
                    static_cast<long long>(answer->nodes),
                    static_cast<long long>(thinking_.elapsed()));
            return answer;
        }
        if (!worker_.Idle()) {
            return std::nullopt;
        }
    }
    thinking_.start();
    worker_.Start(question,
                  [search = search_, question](SearchEngine& engine, const std::stop_token& stop) {
                      return search(engine, question.board, question.turn, question.budget, stop);
                  });
    return std::nullopt;
}

}  // namespace morvane
