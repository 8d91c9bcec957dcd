#pragma once

#include "match/model/match_state.h"
#include "rules/board.h"

namespace morvane {

class InfoPanel;

// The side that moves first in the game being set up, by the match options: the first-game
// option in round 1, the later-games option after it. Remembers the result as the state's
// lastFirst.
Turn ChooseFirstPlayer(AppState& state);

// Sets the state's turn by ChooseFirstPlayer and tells the players in the info panel which rule
// applies and who begins.
void AnnounceFirstPlayer(AppState& state, InfoPanel& info);

// Tells the players in the info panel who begins, when that was decided elsewhere (by the host
// of a network game).
void AnnounceFirstSide(Turn first, InfoPanel& info);

}  // namespace morvane
