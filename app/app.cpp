#include "app/app.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/app_log.h"
#include "match/windows/battle_window.h"
#include "match/windows/game_file_dialogs.h"
#include "match/windows/options_window.h"
#include "match/windows/record_window.h"
#include "net/socket/net_link.h"
#include "net/windows/net_windows.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/language.h"
#include "shell/windows/display_scale_choice.h"
#include "shell/windows/language_choice.h"
#include "shell/windows/look.h"
#include "shell/windows/look_choice.h"
#include "terrain/windows/area_editor_window.h"
#include "terrain/windows/area_select_window.h"

namespace morvane {

App::App(SettingsStore& store, AppState& state)
    : store_(store), state_(state), sounds_(store), extraGame_(&sounds_), placeMemory_(store) {
    QCoreApplication::instance()->installEventFilter(&closeWindowKey_);
    QObject::connect(&extraGame_, &ExtraGame::closed, &extraGame_, [this] { ShowTitle(); });
    extraGame_.SetLookChoice(
        [this](QWidget* window, Look look) { ChooseLook(window, store_, look); });
}

TitleWindow* App::ShowTitle() {
    qCDebug(appLog) << "title window";
    auto* title = new TitleWindow(MakeTitleActions());
    title->show();
    return title;
}

void App::Start(const CommandLine& command) {
    if (command.host || command.join) {
        // The network windows stand alone; once the other side is in, the battle screen plays
        // over the link, and the title comes back when it closes.
        NetLink* link = command.host ? HostNetworkGame(nullptr, nullptr, *command.host)
                                     : JoinNetworkGame(nullptr, nullptr, *command.join);
        if (link) {
            OpenBattle(std::nullopt, link, command.networkPlayer);
            return;
        }
    } else if (command.gameFile) {
        if (const std::optional<SavedGame> game =
                GameOrTell(nullptr, LoadGameFile(*command.gameFile))) {
            OpenBattle(game);
            return;
        }
    }
    ShowTitle();
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
    actions.currentLanguage = [] { return CurrentLanguage(); };
    actions.chooseLanguage = [this](QWidget* title, Language language) {
        ChooseTitleLanguage(title, language);
    };
    actions.currentLook = [] { return look::CurrentLook(); };
    actions.chooseLook = [this](QWidget* title, Look look) { ChooseLook(title, store_, look); };
    actions.canResume = [this] { return commands_.HasKeptGame(); };
    actions.resumeGame = [this](QWidget* title) { ResumeKeptGame(title); };
    actions.hostGame = [this] {
        PlayNetworkGame(HostNetworkGame(nullptr, nullptr, HostRequest{}));
    };
    actions.joinGame = [this] {
        PlayNetworkGame(JoinNetworkGame(nullptr, nullptr, JoinRequest{}));
    };
    return actions;
}

void App::ChooseTitleLanguage(QWidget* title, Language language) {
    if (!ChooseLanguage(title, store_, language)) {
        return;
    }
    // The title's texts were made in the language before: a fresh title, where this one stands,
    // takes its place once the menu that chose has closed. Hidden first, this one leaves its
    // place to the place memory, and the fresh one opens there as a title opened again does,
    // placed before it is on the screen: moved once there, it could land by its content where
    // its frame was meant to go while the window manager frames it.
    QTimer::singleShot(0, title, [this, title] {
        title->hide();
        ShowTitle();
        title->close();
    });
}

void App::OpenBattle(const std::optional<SavedGame>& game, NetLink* link,
                     std::optional<PlayerKind> local) {
    qCDebug(appLog) << "battle screen";
    BattleSeams seams;
    seams.sounds = &sounds_;
    seams.hostGame = [](QWidget* parent, QObject* linkParent) {
        return HostNetworkGame(parent, linkParent, HostRequest{});
    };
    seams.joinGame = [](QWidget* parent, QObject* linkParent) {
        return JoinNetworkGame(parent, linkParent, JoinRequest{});
    };
    auto* battle = new BattleWindow(
        state_, store_,
        [this](QWidget* parent, const BattleWindow::AreaChosen& chosen) {
            OpenAreaSelect(parent, state_.board, store_, parent, chosen);
        },
        std::move(seams), &kept_);
    if (game) {
        battle->StartAt(*game);
    }
    if (link) {
        link->setParent(battle);
        battle->StartNetwork(link, local);
    }
    QObject::connect(battle, &BattleWindow::closed, battle, [this] { ShowTitle(); });
    battle->show();
}

void App::PlayNetworkGame(NetLink* link) {
    if (link) {
        OpenBattle(std::nullopt, link);
    } else {
        ShowTitle();  // the player cancelled
    }
}

void App::ResumeKeptGame(QWidget* title) {
    const std::optional<SavedGame> game = commands_.KeptGameToResume(title);
    if (game) {
        commands_.DropKeptGame();
        title->close();
        OpenBattle(game);
    }
}

}  // namespace morvane
