#pragma once

#include <QCursor>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>

#include "computer/computer_move.h"
#include "match/model/battle.h"
#include "match/model/match_state.h"
#include "match/model/search_worker.h"
#include "match/windows/battle_effects.h"
#include "match/windows/battle_menu_bar.h"
#include "match/windows/cell_marks.h"
#include "match/windows/info_announcer.h"

class QLabel;

namespace morvane {

class BattleLink;
class CellLabel;
class GrowingPage;
class KeptGame;
class MarkerFrame;
class NetLink;
class SettingsStore;

// The battle screen's tick period. The old program asked for 1 ms and got about 64 ticks a
// second; everything counted in ticks (the cursor walk, the info panel's fade) is paced for that.
inline constexpr std::chrono::milliseconds kBattleTickPeriod{16};

// A rule-based strength's move. It takes microseconds, so it is made on the window thread.
using RuleMoveFunction = std::function<int(const Board&, Turn, ComputerLevel, TerrainOption)>;
// The search behind MASTER's move and the hint, run on the worker thread with the match's engine.
using SearchFunction = std::function<std::optional<SearchResult>(
    SearchEngine&, const Board&, Turn, SearchBudget, std::stop_token stop)>;

// Sets a network game up, as its host or its guest: an authenticated link, a child of
// linkParent, whose session waits for the first game; null when the player cancelled.
using NetworkGameFunction = std::function<NetLink*(QWidget* parent, QObject* linkParent)>;

// What tests may replace: the tick period, the rule-based computer players, the search and where
// the sounds go (none: silence); and how network games are hosted and joined (empty: the screen
// offers none).
struct BattleSeams {
    std::chrono::milliseconds tickPeriod = kBattleTickPeriod;
    RuleMoveFunction ruleMove = [](const Board& board, Turn turn, ComputerLevel level,
                                   TerrainOption terrain) {
        return ComputerMove(board, turn, level, terrain);
    };
    SearchFunction search = [](SearchEngine& engine, const Board& board, Turn turn,
                               SearchBudget budget, const std::stop_token& stop) {
        return engine.Search(board, turn, budget, stop);
    };
    SoundSink* sounds = nullptr;
    NetworkGameFunction hostGame{};
    NetworkGameFunction joinGame{};
};

// The battle screen "Form3": plays a whole match. Its timer ticks the Battle state machine and
// the window draws what the machine reports. It opens the player entry, the area select and the
// result dialog modally from inside a tick. MASTER's move and a hint's search run on a worker
// thread; the ticks go on meanwhile and act on the answer once it is ready. Its menu bar holds the
// player aids with their keys: in a person's turn H (or a right click on the board in a mouse
// turn) asks for a hint, Ctrl+Z takes moves back and Ctrl+Shift+Z or Ctrl+Y replays them; Ctrl+N
// leaves the game for the next one, asking first once a unit is in; F1 shows the rules and F3 the
// record at any time. While a person's turn waits, the cursor cell shows whether a unit can go
// there; placed units arrive with a short motion and the game's moments sound (each of the three
// a stored view-menu toggle, never holding up a tick). Ctrl+S saves the game to a file, Ctrl+O
// opens one and goes on from it, and the game menu resumes the kept game. It can be resized and
// maximised from its own size up: its contents grow together. It deletes itself when
// closed (a search still running is cancelled and its thread ended first; a game under way
// counts as abandoned and is kept) and
// then emits closed(). With the network seams the entry lists "Ｎｅｔｗｏｒｋ" and the game menu
// hosts and joins network games; a network match is not saved, kept, opened over, redone or
// left for a new game, and closing it tells the other side.
class BattleWindow : public QWidget, private BattleHost {
    Q_OBJECT

public:
    // Shows the area select window modally over the given parent; leaves the terrain on the
    // board. Empty: terrain ON plays on an empty board.
    using AreaSelectFunction = std::function<void(QWidget* parent)>;

    // The kept game, when there is one, is where a game under way goes when the screen closes
    // and what the game menu resumes; without one nothing is kept.
    BattleWindow(AppState& state, SettingsStore& store, AreaSelectFunction areaSelect,
                 BattleSeams seams = {}, KeptGame* kept = nullptr);

    const Battle& battle() const { return battle_; }

    // Goes on from a saved game instead of asking who plays: called before the screen is shown.
    void StartAt(const SavedGame& game);
    // Plays a network match over an authenticated link, whose session waits for the first game:
    // called before the screen is shown. The host's entry opens with side × on the network; the
    // guest waits for the host's terms. Given who plays this side, the host skips its entry (○
    // here, × on the network) and the guest plays its side so instead of at the mouse.
    void StartNetwork(NetLink* link, std::optional<PlayerKind> local = std::nullopt);

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
    void RecordGame(GameEnd end, const QString& gameId) override;
    void RecordAbandoned(const QString& gameId) override;
    std::optional<int> ComputerMove() override;
    std::optional<Hint> FindHint() override;
    bool InfoRowFits(const QString& row) const override;
    // Starts a search of the position on the worker, or takes its answer once it is ready.
    std::optional<SearchResult> Think(SearchBudget budget);
    BattleMenuActions MenuActions();
    // Passes a person's request on to the battle, then draws and ticks on.
    void Ask(const std::function<void()>& request);
    // Opens a modal window; the match waits meanwhile.
    void RunModal(const std::function<void()>& open);
    // Leaves the game under way, once the player has said so, for the next one.
    void NewGame();
    // Turns a view aid on or off and stores the choice.
    void SetViewToggle(ViewToggle toggle, bool on);
    // Whether the player lets the game under way go, asked with this question; true when no
    // game is under way.
    bool MayLeaveGame(const QString& question);
    void SaveGame();
    void OpenGameFile();
    void ResumeKeptGame();
    // The game in a file the player picks, or nothing when none was picked or the file is no
    // game (which has been told).
    std::optional<SavedGame> PickGameFile();
    // Opens the review of a game file the player picks.
    void ReviewGameFile();
    // Goes on from a game that was saved, once the player has let the game under way go.
    // Whether it did.
    bool GoOnFrom(const SavedGame& game);
    // The game under way goes to the kept game as the screen closes.
    void KeepGameUnderWay();
    // The match goes on over the link, as its host or its guest (whose side local plays).
    void PlayOver(NetLink* link, PlayerKind local = PlayerKind::Mouse);
    // The host's link that waited for the entry goes: the entry left no side to the network.
    void DropWaitingLink();
    // The game menu's network entries: the player entry with side × on the network, or the
    // guest's side of a host's game, once the player has let the game under way go.
    void HostFromMenu();
    void JoinFromMenu();

    void BuildBoard();
    void BuildSides();
    void BuildInfoPanel();
    void OnTick();
    // Starts the tick again after it stopped for a person's input.
    void Wake();
    void Render();
    // Draws the cells' pictures at the size the board stands at.
    void RenderCellPixmaps();
    // The screen has grown or shrunk: every picture is drawn afresh at its new size.
    void Regrow();
    // The background's brush, drawn for the window's density.
    void RenderBackground();
    void RenderBoard();
    void RenderSides();
    void RenderInfoPanel();

    AppState& state_;
    SettingsStore& store_;
    AreaSelectFunction areaSelect_;
    BattleSeams seams_;
    KeptGame* kept_;
    Battle battle_;
    BattleLink* link_ = nullptr;  // in a network match
    // The side the next player entry opens on the network, for a host; the host's link that
    // the command line made, waiting for that entry.
    std::optional<int> networkSide_;
    std::optional<PlayerKind> networkLocal_;  // who plays this side, when the start said so
    QPointer<NetLink> waitingLink_;

    SearchWorker worker_;
    QElapsedTimer thinking_;  // since the search under way started

    QWidget* area_ = nullptr;  // everything under the menu bar, at the window's own size
    GrowingPage* grow_ = nullptr;
    BattleMenuBar* menuBar_ = nullptr;
    QTimer* timer_;
    // A tick is under way: it may have opened a modal window, whose event loop runs timer
    // events and close requests inside the tick.
    bool inTick_ = false;
    bool closeRequested_ = false;
    bool closing_ = false;

    std::array<CellLabel*, kCellCount> cells_{};
    std::array<int, kCellCount> drawnCodes_{};
    std::array<QPixmap, 9> cellPixmaps_{};
    QCursor hand_;
    bool handShown_ = false;
    MarkerFrame* cursor_ = nullptr;
    std::optional<CellMarks> cellMarks_;
    std::optional<BattleEffects> effects_;
    MarkerFrame* turnMarker_ = nullptr;
    std::array<QLabel*, 2> names_{};
    std::array<QLabel*, 2> pictures_{};
    std::array<QLabel*, 2> sideMarks_{};
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
