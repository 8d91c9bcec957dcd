#pragma once

#include "computer/computer_level.h"
#include "rules/board.h"

namespace morvane {

// The strengths of the two sides of a game between computers, indexed by side number
// (○ is side 0, × side 1).
struct GameLevels {
    ComputerLevel circle = ComputerLevel::Easy;
    ComputerLevel cross = ComputerLevel::Easy;
};

// Plays one whole game without windows between two computer strengths on an empty board
// without terrain, starting with firstTurn, judging every placement as the battle screen does.
// Returns the winning side's Turn, or 0 for a draw.
Turn PlayHeadlessGame(GameLevels levels, Turn firstTurn);

struct LadderResult {
    int aWins = 0;
    int bWins = 0;
    int draws = 0;
};

// Plays games between strength a (always ○) and strength b (always ×); a moves first in the
// even-numbered games and b in the odd ones.
LadderResult RunLadder(ComputerLevel levelA, ComputerLevel levelB, int games);

}  // namespace morvane
