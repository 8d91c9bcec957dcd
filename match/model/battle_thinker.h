#pragma once

#include <QElapsedTimer>
#include <functional>
#include <optional>
#include <stop_token>

#include "computer/computer_level.h"
#include "computer/search/search.h"
#include "match/model/hint.h"
#include "match/model/search_worker.h"
#include "rules/board.h"
#include "rules/match_options.h"

namespace morvane {

// What plays the computer's side and finds hints for a battle. Neither call makes a tick wait:
// each answers nothing while its search still runs and is asked again on later ticks, with the
// position as it then stands.
class BattleThinker {
public:
    // The computer's cell for the side to move, or nothing while it still thinks.
    virtual std::optional<int> ComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                            TerrainOption terrain) = 0;
    // A hint for the side to move, or nothing while its search still runs.
    virtual std::optional<Hint> FindHint(const Board& board, Turn turn) = 0;

protected:
    ~BattleThinker() = default;
};

// A rule-based strength's move. It takes microseconds, so it is made on the window thread.
using RuleMoveFunction = std::function<int(const Board&, Turn, ComputerLevel, TerrainOption)>;
// The search behind MASTER's move and the hint, run on the worker thread with the match's engine.
using SearchFunction = std::function<std::optional<SearchResult>(
    SearchEngine&, const Board&, Turn, SearchBudget, std::stop_token stop)>;

// The battle's thinker: the rule-based strengths at once, MASTER's move and the hint as searches
// on a worker thread. A search answers only the position it was started for: once the game has
// moved on, whatever moved it, its answer is dropped and the position as it stands is searched.
class MatchThinker final : public BattleThinker {
public:
    MatchThinker(RuleMoveFunction ruleMove, SearchFunction search);

    std::optional<int> ComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                    TerrainOption terrain) override;
    std::optional<Hint> FindHint(const Board& board, Turn turn) override;

    // A search under way has nothing more to say (the game it was for is left): it stops.
    void Cancel() { worker_.Cancel(); }

private:
    // Starts a search of the position on the worker, or takes its answer once it is ready.
    std::optional<SearchResult> Think(const SearchQuestion& question);

    RuleMoveFunction ruleMove_;
    SearchFunction search_;
    SearchWorker worker_;
    QElapsedTimer thinking_;  // since the search under way started
};

}  // namespace morvane
