#pragma once

#include "app/close_window_key.h"
#include "app/command_line.h"
#include "app/title_window.h"
#include "extra/windows/extra_game.h"
#include "match/model/kept_game.h"
#include "match/model/match_state.h"
#include "match/windows/game_commands.h"
#include "shell/settings/settings_store.h"
#include "shell/sound/sound_board.h"
#include "shell/windows/window_place.h"

namespace morvane {

class NetLink;

// Wires the program's windows together: what each title menu item opens, which window comes
// back when another closes, Ctrl+W for every window, and the places the main windows reopen at.
// Made once in main; it outlives every window.
class App {
public:
    // The store and the state are the program's one settings store and main-game state, handed
    // on to the windows that share them.
    App(SettingsStore& store, AppState& state);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Shows a fresh title window; each new one starts with nothing hovered.
    TitleWindow* ShowTitle();
    // The first window: the host or join window the command line asks for, then the battle
    // screen over its link; else the battle screen at the game file the command line names;
    // else (or when that file is no game, which the message dialog tells, or the network
    // window was cancelled) the title window.
    void Start(const CommandLine& command);

private:
    TitleActions MakeTitleActions();
    // The battle screen, opened once the title has closed, at a saved game when one is given,
    // or playing a network match over an authenticated link, this side played by local; the
    // title returns when it closes.
    void OpenBattle(const std::optional<SavedGame>& game = std::nullopt, NetLink* link = nullptr,
                    std::optional<PlayerKind> local = std::nullopt);
    // The battle screen over a network link from the title; without one (cancelled), the title
    // again.
    void PlayNetworkGame(NetLink* link);
    // The extras menu's Resume: the kept game in the battle screen in place of the title.
    void ResumeKeptGame(QWidget* title);
    // Stores the language chosen on the title and puts the interface in it; the title is made
    // afresh in it, and every window opened from then on speaks it.
    void ChooseTitleLanguage(QWidget* title, Language language);

    SettingsStore& store_;
    AppState& state_;
    SoundBoard sounds_;
    ExtraGame extraGame_;
    KeptGame kept_{KeptGame::DefaultPath()};
    GameCommands commands_{store_, &kept_};
    CloseWindowKey closeWindowKey_;
    PlaceMemory placeMemory_;
};

}  // namespace morvane
