#pragma once

#include <QDialog>
#include <optional>

#include "computer/computer_level.h"

class QComboBox;

namespace morvane {

// The question after the other side of a network game left, "PeerLeft": end the game, or let
// the computer play the other side from here on at a strength the player picks (offered only
// when there is a side to hand over). Closing it by its frame ends the game.
class PeerLeftDialog : public QDialog {
    Q_OBJECT

public:
    PeerLeftDialog(bool canHandOver, QWidget* parent);

    // The strength picked, or nothing to end the game.
    std::optional<ComputerLevel> Choice() const { return choice_; }

private:
    QComboBox* levels_ = nullptr;
    std::optional<ComputerLevel> choice_;
};

}  // namespace morvane
