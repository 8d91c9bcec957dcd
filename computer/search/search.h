#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>

#include "computer/search/cell_list.h"
#include "computer/search/score.h"
#include "rules/board.h"

namespace morvane {

namespace search {
class TranspositionTable;
}

// The thinking time of the strongest computer in play.
inline constexpr std::chrono::milliseconds kMasterThinkBudget{250};

// How long a search may run: a time on the clock, or, when nodes is above 0, a number of
// positions visited instead (the clock is then not read, so the result is reproducible).
struct SearchBudget {
    std::chrono::milliseconds time = kMasterThinkBudget;
    std::int64_t nodes = 0;

    static SearchBudget Time(std::chrono::milliseconds time) { return SearchBudget{time, 0}; }
    static SearchBudget Nodes(std::int64_t nodes) { return SearchBudget{{}, nodes}; }

    friend bool operator==(const SearchBudget&, const SearchBudget&) = default;
};

// No cell: the board has no free cell.
inline constexpr int kNoCell = -1;

struct SearchResult {
    int cell = kNoCell;      // the chosen cell, placeable
    int score = 0;           // for the side to move, as in score.h
    int depth = 0;           // plies of the last finished iteration
    std::int64_t nodes = 0;  // positions visited
    bool completed = false;  // the score is proven: a forced result, or every line searched to
                             // the end of the game
};

enum class GameValue { Win, Loss, Draw, Unknown };

// Every placeable cell's score for the side to move, each searched to the same depth with an
// exact window, so that the scores compare: how much worse than the best cell another one is.
struct CellScores {
    CellList cells;                        // the placeable cells, ascending
    std::array<int, kCellCount> scores{};  // scores[k] is cells[k]'s, as in score.h
    int depth = 0;           // plies of the last pass that scored every cell; 0 when none did
    std::int64_t nodes = 0;  // positions visited
};

struct SolveResult {
    GameValue value = GameValue::Unknown;  // for the side to move
    int plies = 0;     // to the end of the game, the winner hurrying and the loser delaying; a draw
                       // fills the board
    CellList best;     // every placeable cell that keeps the value, ascending; when Unknown, the
                       // cell Search prefers after a few thousand positions
    CellList fastest;  // the cells of best that keep the exact score (the fastest wins, the
                       // longest delays; for a draw, best); empty when Unknown
    int depth = 0;     // plies searched: the free cells when the value is proven, else 0
    std::int64_t nodes = 0;
};

// The strong computer's search, with its transposition table (16 MiB, taken zeroed from the
// system, so an engine is ready at once), which a caller keeps for a whole game or run instead
// of building it anew. Every search starts afresh: what one search stored is never seen by the
// next, so a search with a node budget gives the same result however many came before it.
// Both searches read the board and never change it, and look at their stop token every few
// thousand positions; once a stop is requested they stop and return nothing. One engine serves
// one thread at a time.
class SearchEngine {
public:
    SearchEngine();
    ~SearchEngine();
    SearchEngine(const SearchEngine&) = delete;
    SearchEngine& operator=(const SearchEngine&) = delete;

    // The best cell for turn found within the budget: deeper and deeper full-width searches
    // until the budget is spent or the result is proven; the last finished one decides. On a
    // small board (few free cells) they take a small share of the budget, and the rest asks
    // which move keeps a win, else a draw, searched to the end; a move proven so is played
    // instead (score and depth stay the deepening's). It plays
    // as the game judges: a line already on the board is no win, only a line through a newly
    // placed unit is, so it answers a placeable cell whenever the board has a free cell.
    std::optional<SearchResult> Search(const Board& board, Turn turn, SearchBudget budget,
                                       const std::stop_token& stop = {});

    // The game's value for turn with best play on both sides, searched to its end within the
    // time: the exact score is pinned with null windows, then each cell is asked whether it
    // keeps the value and the score. Out of time, the value is Unknown and no distance is
    // claimed. A board that already holds a line has the value it shows (a loss when the
    // opponent's line is on it: unlike play, where only a new line wins); one with no
    // placeable cell is a draw; both take 0 plies.
    std::optional<SolveResult> Solve(const Board& board, Turn turn, std::chrono::milliseconds time,
                                     const std::stop_token& stop = {});

    // Every placeable cell's score for turn: deeper and deeper passes that score each cell with
    // an exact window, until the budget is spent, every score is decisive (a decisive score is
    // proven and stays) or the lines reach the end of the game; the last finished pass counts.
    // It plays as Search does: a line already on the board wins nothing.
    std::optional<CellScores> ScoreCells(const Board& board, Turn turn, SearchBudget budget,
                                         const std::stop_token& stop = {});

private:
    std::unique_ptr<search::TranspositionTable> table_;
};

// The game's value for the side that searched, when the search proved it (completed); Unknown
// otherwise.
GameValue ProvenValue(const SearchResult& result);

// One search with an engine of its own.
std::optional<SearchResult> SearchBestMove(const Board& board, Turn turn, SearchBudget budget,
                                           const std::stop_token& stop = {});

// One solve with an engine of its own.
std::optional<SolveResult> SolvePosition(const Board& board, Turn turn,
                                         std::chrono::milliseconds time,
                                         const std::stop_token& stop = {});

}  // namespace morvane
