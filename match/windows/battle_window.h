#pragma once

#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>

#include "computer/computer_move.h"
#include "match/model/battle.h"
#include "match/model/match_state.h"
#include "match/windows/info_announcer.h"
#include "rules/yield_hook.h"

class QLabel;

namespace morvane {

class CellLabel;
class MarkerFrame;
class SettingsStore;

// The battle screen's tick period. The old program asked for 1 ms and got about 64 ticks a
// second; everything counted in ticks (the cursor walk, the info panel's fade) is paced for that.
inline constexpr std::chrono::milliseconds kBattleTickPeriod{16};

using ComputerMoveFunction = std::function<std::optional<int>(const Board&, Turn, ComputerLevel,
                                                              TerrainOption, const YieldHook&)>;
using HintFunction = std::function<std::optional<Hint>(const Board&, Turn, const YieldHook&)>;

// What tests may replace: the tick period, the computer player and the hint's search.
struct BattleSeams {
    std::chrono::milliseconds tickPeriod = kBattleTickPeriod;
    ComputerMoveFunction computerMove = [](const Board& board, Turn turn, ComputerLevel level,
                                           TerrainOption terrain, const YieldHook& yield) {
        return ComputerMove(board, turn, level, terrain, yield);  // Master on its play budget
    };
    HintFunction hint = FindHint;
};

// The battle screen "Form3": plays a whole match. Its timer ticks the Battle state machine and
// the window draws what the machine reports. It opens the player entry, the area select and the
// result dialog modally from inside a tick, and runs the computer (and a hint's search) inside a
// tick while letting window events through. In a person's turn H (or a right click on the board
// in a mouse turn) asks for a hint and Ctrl+Z takes moves back; F1 shows the rules at any time.
// It deletes itself when closed and then emits closed().
class BattleWindow : public QWidget, private BattleHost {
    Q_OBJECT

public:
    // Shows the area select window modally over the given parent; leaves the terrain on the
    // board. Empty: terrain ON plays on an empty board.
    using AreaSelectFunction = std::function<void(QWidget* parent)>;

    BattleWindow(AppState& state, SettingsStore& store, AreaSelectFunction areaSelect,
                 BattleSeams seams = {});

    const Battle& battle() const { return battle_; }

signals:
    // The screen has closed (by Quit or its close box); the title window is to come back.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void EnterPlayers() override;
    void SelectArea() override;
    ResultChoice ShowResult(const GameResult& result) override;
    void RecordGame(GameEnd end) override;
    std::optional<int> ComputerMove() override;
    std::optional<Hint> FindHint() override;
    bool InfoRowFits(const QString& row) const override;
    // Lets window events run while the computer searches; abandons once a close is asked for.
    YieldHook EventPump();
    // The rules window, modal; the match waits meanwhile.
    void ShowRules();

    void BuildBoard();
    void BuildSides();
    void BuildInfoPanel();
    void OnTick();
    // Starts the tick again after it stopped for a person's input.
    void Wake();
    void Render();
    void RenderBoard();
    void RenderSides();
    void RenderInfoPanel();

    AppState& state_;
    SettingsStore& store_;
    AreaSelectFunction areaSelect_;
    BattleSeams seams_;
    Battle battle_;

    QTimer* timer_;
    bool inTick_ = false;
    bool closeRequested_ = false;
    bool closing_ = false;

    std::array<CellLabel*, kCellCount> cells_{};
    std::array<int, kCellCount> drawnCodes_{};
    std::array<QPixmap, 9> cellPixmaps_{};
    QCursor hand_;
    bool handShown_ = false;
    MarkerFrame* cursor_ = nullptr;
    MarkerFrame* turnMarker_ = nullptr;
    std::array<QLabel*, 2> names_{};
    std::array<QLabel*, 2> pictures_{};
    std::array<int, 2> drawnPictures_{};
    std::array<QLabel*, 2> winLabels_{};
    QLabel* roundLabel_ = nullptr;
    QLabel* areaSpaceLabel_ = nullptr;
    std::array<QLabel*, InfoPanel::kRowCount> infoRows_{};
    InfoAnnouncer announcer_{this};
    BattleBackground drawnBackground_ = BattleBackground::Blue;
    QBrush backgroundBrush_;
};

}  // namespace morvane
