#pragma once

#include <QString>

#include "match/model/rgb.h"

namespace morvane {

// How a finished game is reported in the result dialog.
struct GameResult {
    QString text;
    Rgb color;
};

// The results in the interface's language: a side's win (○ is side 0) in its colour, a draw,
// and a game that could not be played because the board had no free cell.
GameResult WinResult(int side);
GameResult DrawResult();
GameResult NoBattleResult();

// How a decided game ended.
enum class GameEnd { CircleWins, CrossWins, Draw };

// The result dialog's choice of how the match goes on.
enum class ResultChoice {
    NextBattle = 1,
    ReEntry = 2,
    Quit = 3,
};

}  // namespace morvane
