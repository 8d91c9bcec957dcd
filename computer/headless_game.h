#pragma once

#include <functional>

#include "computer/computer_level.h"
#include "computer/search/search.h"
#include "rules/board.h"
#include "rules/terrain_option.h"

namespace morvane {

// The strengths of the two sides of a game between computers, indexed by side number
// (○ is side 0, × side 1).
struct GameLevels {
    ComputerLevel circle = ComputerLevel::Easy;
    ComputerLevel cross = ComputerLevel::Easy;
};

// How games between computers are played, apart from their strengths.
struct HeadlessSetting {
    // Makes the layout each game starts on; empty: every game starts on the empty board.
    std::function<Board()> layout;
    // The terrain option the strengths are given (the battle screen's "地形選択").
    TerrainOption terrain = TerrainOption::Off;
    // What [ＭＡＳＴＥＲ] may spend on each move.
    SearchBudget masterBudget;
};

struct LadderResult {
    int aWins = 0;
    int bWins = 0;
    int draws = 0;
};

// Games between computer strengths without windows, judged as the battle screen judges them.
// One search engine serves every [ＭＡＳＴＥＲ] move, so its table is made once.
class HeadlessGames {
public:
    explicit HeadlessGames(HeadlessSetting setting = {});

    // Plays one whole game on the next layout, starting with firstTurn. Returns the winning
    // side's Turn, or 0 for a draw, which is also the answer when the layout leaves no free cell
    // (the battle screen then plays no game).
    Turn Play(GameLevels levels, Turn firstTurn);

    // Plays games between strength a (always ○) and strength b (always ×); a moves first in
    // the even-numbered games and b in the odd ones.
    LadderResult Ladder(ComputerLevel levelA, ComputerLevel levelB, int games);

private:
    HeadlessSetting setting_;
    SearchEngine engine_;
};

}  // namespace morvane
