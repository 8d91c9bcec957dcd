#include "match/windows/game_commands.h"

#include <QCoreApplication>

#include "match/model/kept_game.h"
#include "match/windows/game_file_dialogs.h"
#include "shell/windows/message_dialog.h"

namespace morvane {

void GameCommands::SaveAs(QWidget* parent, const SavedGame& game, std::function<void()> done) {
    AskGameFile(parent, store_, GameFileAction::Save,
                [parent, game, done = std::move(done)](const QString& path) {
                    if (!path.isEmpty()) {
                        SaveGameOrTell(parent, path, game);
                    }
                    done();
                });
}

void GameCommands::PickGame(QWidget* parent,
                            std::function<void(const std::optional<SavedGame>& game)> picked) {
    AskGameFile(parent, store_, GameFileAction::Open,
                [parent, picked = std::move(picked)](const QString& path) {
                    picked(path.isEmpty() ? std::nullopt : GameOrTell(parent, LoadGameFile(path)));
                });
}

bool GameCommands::HasKeptGame() const { return kept_ && kept_->Exists(); }

std::optional<SavedGame> GameCommands::KeptGameToResume(QWidget* parent) {
    if (!HasKeptGame()) {
        return std::nullopt;
    }
    std::optional<SavedGame> game = GameOrTell(parent, kept_->Load());
    if (!game) {
        kept_->Drop();  // nothing there to go on with
    }
    return game;
}

void GameCommands::DropKeptGame() {
    if (kept_) {
        kept_->Drop();
    }
}

void GameCommands::Keep(QWidget* parent, const SavedGame& game) {
    if (!kept_) {
        return;
    }
    QString error;
    if (!kept_->Keep(game, error)) {
        ShowMessage(parent,
                    QCoreApplication::translate("morvane::BattleWindow",
                                                "対戦中のゲームを残せませんでした。\n%1")
                        .arg(error),
                    QString(), QString(), ConfirmCaption());
    }
}

}  // namespace morvane
