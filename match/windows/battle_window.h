#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>

#include "computer/computer_move.h"
#include "match/model/battle.h"
#include "match/model/battle_thinker.h"
#include "match/model/match_state.h"
#include "match/windows/battle_menu_bar.h"
#include "match/windows/game_commands.h"
#include "match/windows/network_match_setup.h"
#include "shell/sound/sound_sink.h"

class QDialog;

namespace morvane {

class BattleView;
class ChatPanel;
class KeptGame;
class NetLink;
class SettingsStore;

// The battle screen's tick period. The old program asked for 1 ms and got about 64 ticks a
// second; everything counted in ticks (the cursor walk, the info panel's fade) is paced for that.
inline constexpr std::chrono::milliseconds kBattleTickPeriod{16};

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

// The battle screen "Form3": plays a whole match. Its timer ticks the Battle state machine, its
// view draws what the machine reports and shows what it says happened, and it answers the
// machine's questions from the player entry, the area select and the result dialog, opened
// without waiting for them. MASTER's move and a hint's search run on a worker thread; the ticks
// go on meanwhile and act on the answer once it is ready. Its menu bar holds the player aids
// with their keys: in a person's turn H (or a right click on the board in a mouse turn) asks for
// a hint, Ctrl+Z takes moves back and Ctrl+Shift+Z or Ctrl+Y replays them; Ctrl+N leaves the
// game for the next one, asking first once a unit is in; F1 shows the rules and F3 the record at
// any time. While a person's turn waits, the cursor cell shows whether a unit can go there;
// placed units arrive with a short motion and the game's moments sound (each of the three a
// stored view-menu toggle, never holding up a tick). Ctrl+S saves the game to a file, Ctrl+O
// opens one and goes on from it, and the game menu resumes the kept game. It can be resized and
// maximised from its own size up: its contents grow together. It deletes itself when closed (a
// search still running is cancelled and its thread ended first; a game under way counts as
// abandoned and is kept) and then emits closed(). With the network seams the entry lists
// "Ｎｅｔｗｏｒｋ" and the game menu hosts and joins network games; a network match is not saved,
// kept, opened over, redone or left for a new game, and closing it tells the other side; a chat
// stands under the board while it is on, T giving its field the keys and Esc taking them back.
class BattleWindow : public QWidget {
    Q_OBJECT

public:
    // Opens the area select over the given parent without waiting for it; chosen gets the
    // terrain once the window has closed. Empty: terrain ON plays on an empty board.
    using AreaChosen = std::function<void(const Board& terrain)>;
    using AreaSelectFunction = std::function<void(QWidget* parent, AreaChosen chosen)>;

    // The kept game, when there is one, is where a game under way goes when the screen closes
    // and what the game menu resumes; without one nothing is kept.
    BattleWindow(AppState& state, SettingsStore& store, AreaSelectFunction areaSelect,
                 BattleSeams seams = {}, KeptGame* kept = nullptr);

    const Battle& battle() const { return battle_; }

    // Goes on from a saved game instead of asking who plays: called before the screen is shown.
    void StartAt(const SavedGame& game);
    // Plays a network match over an authenticated link, whose session waits for the first game:
    // called before the screen is shown (see NetworkMatchSetup::Start).
    void StartNetwork(NetLink* link, std::optional<PlayerKind> local = std::nullopt);

signals:
    // The screen has closed (by Quit or its close box); the title window is to come back.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The battle's questions and what it counts.
    void AskPlayers();
    void OpenEntry(const EntryNetwork& network);
    void AskArea();
    void AskResult(const GameResult& result);
    void CountGame(GameEnd end, const QString& gameId);
    void CountAbandoned(const QString& gameId);
    // A question was answered: the screen draws and ticks on.
    void Answered();

    BattleMenuActions MenuActions();
    // Passes a person's request on to the battle, then draws and ticks on.
    void Ask(const std::function<void()>& request);
    // Stops the tick for a window opened from the menu; the call returned starts it again once
    // the window has closed.
    std::function<void()> PauseWhileOpen();
    // Opens a modal window from the menu; the match waits meanwhile.
    void RunModal(const std::function<void()>& open);
    // Opens a window of the help menu modal to the screen, without waiting for it; the match
    // waits until it has closed.
    void OpenFromMenu(QDialog* window);
    // Leaves the game under way, once the player has said so, for the next one.
    void NewGame();
    // Turns a view aid on or off and stores the choice.
    void SetViewToggle(ViewToggle toggle, bool on);
    // Whether the player lets the game under way go, asked with this question; true when no
    // game is under way.
    bool MayLeaveGame(const QString& question);
    void SaveGame();
    // The game that ended last goes to a file the player picks, asked over parent.
    void SaveFinishedGame(QWidget* parent);
    // The player entry again, once the player has let the game under way go.
    void ChangePlayers();
    void OpenGameFile();
    void ResumeKeptGame();
    void ReviewGameFile();
    // Goes on from a game that was saved, once the player has let the game under way go.
    // Whether it did.
    bool GoOnFrom(const SavedGame& game);
    // The game under way goes to the kept game as the screen closes.
    void KeepGameUnderWay();
    // The game menu's network entries, once the player has let the game under way go.
    void HostFromMenu();
    void JoinFromMenu();

    // The chat stands under the board while a network match is on, the window taller by it.
    void FollowChat();
    // Who said a line of chat, as the side panels name the player.
    QString SpeakerName(bool mine) const;

    void OnTick();
    // Starts the tick again after it stopped for a person's input or a question.
    void Wake();
    void Render();

    AppState& state_;
    SettingsStore& store_;
    AreaSelectFunction areaSelect_;
    BattleSeams seams_;
    KeptGame* kept_;
    GameCommands commands_;
    MatchThinker thinker_;
    Battle battle_;
    NetworkMatchSetup* network_;
    BattleView* view_ = nullptr;
    BattleMenuBar* menuBar_ = nullptr;
    ChatPanel* chat_ = nullptr;
    QTimer* timer_;
    bool closing_ = false;
};

}  // namespace morvane
