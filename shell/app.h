#pragma once

#include "shell/app_state.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/title_window.h"

namespace morvane {

// Wires the program's windows together: what each title menu item opens, and which window
// comes back when another closes. Made once in main; it outlives every window.
class App {
public:
    // The store and the state are the program's one settings store and main-game state, handed
    // on to the windows that share them.
    App(SettingsStore& store, AppState& state);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Shows a fresh title window; each new one starts with nothing hovered.
    void ShowTitle();

private:
    // The title menu's actions for the windows that exist; the others stay empty and the title
    // window tells the user they are not ready.
    TitleActions MakeTitleActions();

    SettingsStore& store_;
    AppState& state_;
};

}  // namespace morvane
