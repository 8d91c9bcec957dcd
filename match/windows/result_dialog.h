#pragma once

#include <QDialog>

#include "match/model/game_result.h"

namespace morvane {

// The result dialog "Form5": the result message in its colour over a black shadow, and the
// choice of how the match goes on. Closing it by any path keeps the current choice, which starts
// as the next battle.
class ResultDialog : public QDialog {
    Q_OBJECT

public:
    ResultDialog(const GameResult& result, QWidget* parent = nullptr);

    ResultChoice Choice() const { return choice_; }

private:
    ResultChoice choice_ = ResultChoice::NextBattle;
};

}  // namespace morvane
