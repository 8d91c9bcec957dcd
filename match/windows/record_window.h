#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "match/model/game_record.h"

class QLabel;

namespace morvane {

class SettingsStore;

// The record window's count columns: the three the record always had, then abandoned games.
inline constexpr std::size_t kRecordColumns = 4;

// `FormRecord`: how the finished games of the main game came out, a row for each pairing, and a
// reset that asks first.
class RecordWindow : public QDialog {
    Q_OBJECT

public:
    RecordWindow(SettingsStore& store, QWidget* parent = nullptr);

private:
    void ShowCounts();
    // Clears the record once the player has answered Yes.
    void AskReset();

    SettingsStore& store_;
    GameRecord record_;
    std::vector<Pairing> pairings_;
    // Wins, losses, draws and abandoned games of each pairing, in the order of pairings_.
    std::vector<std::array<QLabel*, kRecordColumns>> counts_;
};

}  // namespace morvane
