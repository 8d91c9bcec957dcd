#pragma once

#include <QMainWindow>
#include <array>

#include "extra/engine/ex_match.h"
#include "extra/windows/ex_cell_widget.h"
#include "extra/windows/ex_event_pump.h"
#include "rules/yield_hook.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace morvane {

// `Formz11`: the extra game's window. Two people (one at the mouse, one at the keyboard) or one
// person against the computer play game after game on the 10 x 10 board, with random terrain
// and its quarter turns before a game against a person. The counters live as long as the
// window; closing it (refused while the computer thinks) reports closed().
class ExGameWindow : public QMainWindow {
    Q_OBJECT

public:
    // thinkingYield is what the computer calls at every node of its search: the program's
    // event pump, or a test's own hook.
    explicit ExGameWindow(YieldHook thinkingYield = MakeEventPump(), QWidget* parent = nullptr);

    // The match state, with the random terrain's draws (RndI, RndB) that Formz12 sets.
    ExMatch& match() { return match_; }
    const ExMatch& match() const { return match_; }

    // Whether the computer is thinking: the "thinking" label is shown exactly then.
    bool thinking() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildBoard(QWidget* surface);
    void BuildPanel(QWidget* surface);
    void BuildMenus();

    // The handlers of the window's controls.
    void Start();
    void MakeTerrain();
    void Rotate(RotateDirection direction);
    void CellClicked(int cell);
    void ModeChosen(ExMode mode);
    void NewGameChosen();
    void SystemMenuOpening();
    void OptionsChosen();
    void HelpChosen();

    // The update cycle after every change of the board: draws it, ends a finished game, rebuilds
    // the information, and lets the computer move while it is its turn.
    void RefreshGame();
    void EndGame(const ExGameEnd& end);
    void AnnounceEnd(ExWinner winner);
    void ShowProgress(int percentLeft);

    // Back to the start of a series in the given mode (mode change, 【New Game!】).
    void ResetSeries(ExMode mode);
    // The buttons and the mode menu as they are between games.
    void ShowBetweenGamesControls();
    // Shows the refusal when the computer thinks; true then.
    bool RefusedWhileThinking();

    void DrawCells(const ExBoard& board);
    void SetCellsEnabled(bool enabled);
    void SetCellsVisible(bool visible);
    void SetMouseFrameVisible(bool visible);
    void PlaceKeyCursor();
    void ShowModeMarks();
    void ShowModeTextOnly();
    void UpdateInfo();
    QString ModeWord() const;

    ExMatch match_;
    YieldHook thinkingYield_;
    ExCellPictures pictures_;

    std::array<ExCellWidget*, kExCellCount> cells_{};
    std::array<QFrame*, 4> mouseFrame_{};          // Mc_0..Mc_3
    QFrame* keyCursor_ = nullptr;                  // c
    QLabel* info_ = nullptr;                       // INf
    QLabel* thinkingLabel_ = nullptr;              // L2
    std::array<QPushButton*, 2> rotateButtons_{};  // Command2_0 (left), Command2_1 (right)
    QPushButton* startButton_ = nullptr;           // Command3
    QPushButton* terrainButton_ = nullptr;         // Command4

    QMenu* systemMenu_ = nullptr;
    QMenu* modeMenu_ = nullptr;
    QActionGroup* modeActions_ = nullptr;
    std::array<QAction*, 2> modeItems_{};  // 戦_0, 戦_1
};

}  // namespace morvane
