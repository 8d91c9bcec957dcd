#include "app/app.h"

#include <QCoreApplication>

#include "match/windows/battle_window.h"
#include "match/windows/options_window.h"
#include "match/windows/record_window.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/display_scale_choice.h"
#include "terrain/windows/area_editor_window.h"
#include "terrain/windows/area_select_window.h"

namespace morvane {

App::App(SettingsStore& store, AppState& state)
    : store_(store), state_(state), placeMemory_(store) {
    QCoreApplication::instance()->installEventFilter(&closeWindowKey_);
    QObject::connect(&extraGame_, &ExtraGame::closed, &extraGame_, [this] { ShowTitle(); });
}

void App::ShowTitle() {
    auto* title = new TitleWindow(MakeTitleActions());
    title->show();
}

TitleActions App::MakeTitleActions() {
    TitleActions actions;
    actions.startGame = [this] { OpenBattle(); };
    actions.openOptions = [this](QWidget* title) {
        OptionsWindow options(state_, store_, title);
        options.exec();
    };
    actions.openAreaEditor = [this](QWidget* title) {
        ShowAreaEditor(title, state_.board, store_);
    };
    actions.startExtraGame = [this] { extraGame_.Open(); };
    actions.openRecord = [this](QWidget* title) {
        RecordWindow record(store_, title);
        record.exec();
    };
    actions.currentScale = [this] { return ReadDisplayScale(store_); };
    actions.chooseScale = [this](QWidget* title, int percent) {
        ChooseDisplayScale(title, store_, percent);
    };
    return actions;
}

void App::OpenBattle() {
    auto* battle = new BattleWindow(
        state_, store_, [this](QWidget* parent) { ShowAreaSelect(parent, state_.board, store_); });
    QObject::connect(battle, &BattleWindow::closed, battle, [this] { ShowTitle(); });
    battle->show();
}

}  // namespace morvane
