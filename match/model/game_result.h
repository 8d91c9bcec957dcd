#pragma once

#include <QString>

#include "match/model/rgb.h"

namespace morvane {

// How a finished game is reported in the result dialog.
struct GameResult {
    QString text;
    Rgb color;
};

// How a decided game ended.
enum class GameEnd { CircleWins, CrossWins, Draw };

// The result dialog's choice of how the match goes on.
enum class ResultChoice {
    NextBattle = 1,
    ReEntry = 2,
    Quit = 3,
};

}  // namespace morvane
