#include "shell/app.h"

namespace morvane {

App::App(SettingsStore& store, AppState& state) : store_(store), state_(state) {}

void App::ShowTitle() {
    auto* title = new TitleWindow(MakeTitleActions());
    title->show();
}

TitleActions App::MakeTitleActions() {
    TitleActions actions;
    return actions;
}

}  // namespace morvane
